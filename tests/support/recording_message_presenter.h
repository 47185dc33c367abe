#pragma once

#include "ui/message_boxes.h"

#include <vector>

// Records every message box instead of showing it, while it is alive: it installs itself as the
// process's presenter on construction and puts the previous one back on destruction.
class RecordingMessagePresenter final : public MessagePresenter
{
public:
    RecordingMessagePresenter() : previous(SetMessagePresenter(this)) {}
    ~RecordingMessagePresenter() override { SetMessagePresenter(previous); }
    RecordingMessagePresenter(const RecordingMessagePresenter&) = delete;
    RecordingMessagePresenter& operator=(const RecordingMessagePresenter&) = delete;

    void Present(const MessageBoxRequest& request) override { shown.push_back(request); }

    std::vector<MessageBoxRequest> shown;

private:
    MessagePresenter* previous;
};
