#include "ui/qt_message_presenter.h"

#include "ui/dialog_ids.h"
#include "ui/message_box_flags.h"

#include <QMessageBox>

namespace {

QMessageBox::Icon IconFor(unsigned type)
{
    switch (type & MB_ICONMASK) {
    case MB_ICONERROR:
        return QMessageBox::Critical;
    case MB_ICONWARNING:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

int QtMessagePresenter::Present(const MessageBoxRequest& request)
{
    QMessageBox box(IconFor(request.type), request.title, request.text, QMessageBox::Ok,
                    request.owner);
    box.exec();
    return IDOK;
}
