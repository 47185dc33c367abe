#pragma once

#include "ui/message_box_flags.h"
#include "ui/message_presenter.h"

#include <QString>

class QWidget;

// Replaces the process-wide presenter (GUI thread) and returns the previous one; null restores the
// Qt presenter. The caller keeps ownership and must restore the previous presenter before its own
// is destroyed.
MessagePresenter* SetMessagePresenter(MessagePresenter* presenter);
MessagePresenter& CurrentMessagePresenter();

// A box with the application's title (QCoreApplication::applicationName) and OK button.
// Returns the id of the button that closed it.
int AfxMessageBox(const QString& text, unsigned type = MB_OK);

// A box owned by `owner` with the given title and type bits. Returns the closing button's id.
int MessageBox(QWidget* owner, const QString& text, const QString& title, unsigned type = MB_OK);
