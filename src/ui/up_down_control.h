#pragma once

#include <QWidget>

class QToolButton;

// An up-down control without a buddy: two arrow buttons (and, with arrow keys on, the Up and Down
// keys) that propose a change of -1 (up) or +1 (down) and keep no position of their own.
class UpDownControl final : public QWidget
{
    Q_OBJECT
public:
    UpDownControl(bool arrowKeys, QWidget* parent = nullptr);

signals:
    void DeltaProposed(int delta);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* up;
    QToolButton* down;
    bool arrowKeys;
};
