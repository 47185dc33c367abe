#pragma once

#include <QColor>
#include <QLabel>

// A label that paints its own background and text: the caption is drawn in the text colour on
// the background, aligned as the label asks and word-wrapped unless it is a single vertically
// centred line.
class ColouredLabel final : public QLabel
{
    Q_OBJECT
public:
    explicit ColouredLabel(QWidget* parent = nullptr) : QLabel(parent) {}

    void SetColours(const QColor& text, const QColor& background);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor textColour{0, 0, 0};
    QColor background{240, 240, 240};
};
