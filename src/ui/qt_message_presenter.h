#pragma once

#include "ui/message_presenter.h"

// Shows message boxes as modal Qt message boxes with one OK button.
class QtMessagePresenter final : public MessagePresenter
{
public:
    int Present(const MessageBoxRequest& request) override;
};
