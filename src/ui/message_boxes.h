#pragma once

#include "ui/message_presenter.h"

// Replaces the process-wide presenter (GUI thread) and returns the previous one; null restores the
// Qt presenter, which shows modal boxes with one OK button. The caller keeps ownership and must
// restore the previous presenter before its own is destroyed.
MessagePresenter* SetMessagePresenter(MessagePresenter* presenter);

// A box owned by the active window, titled with the application's name.
void ShowMessage(const QString& text, QMessageBox::Icon icon = QMessageBox::NoIcon);
// A box owned by `owner` with the given title.
void ShowMessage(QWidget* owner, const QString& text, const QString& title,
                 QMessageBox::Icon icon);
