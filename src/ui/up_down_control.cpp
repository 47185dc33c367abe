#include "ui/up_down_control.h"

#include <QKeyEvent>
#include <QToolButton>

namespace {

constexpr int kUpDelta = -1;
constexpr int kDownDelta = 1;

} // namespace

UpDownControl::UpDownControl(bool withArrowKeys, QWidget* parent)
    : QWidget(parent), up(new QToolButton(this)), down(new QToolButton(this)),
      arrowKeys(withArrowKeys)
{
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
    for (QToolButton* button : {up, down}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
    }
    connect(up, &QToolButton::clicked, this, [this] { emit DeltaProposed(kUpDelta); });
    connect(down, &QToolButton::clicked, this, [this] { emit DeltaProposed(kDownDelta); });
}

void UpDownControl::keyPressEvent(QKeyEvent* event)
{
    if (arrowKeys && event->key() == Qt::Key_Up)
        emit DeltaProposed(kUpDelta);
    else if (arrowKeys && event->key() == Qt::Key_Down)
        emit DeltaProposed(kDownDelta);
    else
        QWidget::keyPressEvent(event);
}

void UpDownControl::resizeEvent(QResizeEvent*)
{
    const int upperHeight = height() / 2;
    up->setGeometry(0, 0, width(), upperHeight);
    down->setGeometry(0, upperHeight, width(), height() - upperHeight);
}
