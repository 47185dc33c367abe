#include "app/replug_watch.h"

ReplugWatch::ReplugWatch(std::function<bool()> tryReopen) : tryReopen(std::move(tryReopen))
{
    timer.setInterval(kInterval);
    QObject::connect(&timer, &QTimer::timeout, [this] {
        if (this->tryReopen())
            timer.stop();
    });
}
