#pragma once

#include <utility>
#include <vector>

#include "platform/services.h"

namespace platform {

// Keeps every request and shows nothing, so that a test never waits on a box.
class RecordingServices : public Services {
public:
    void message(QWidget* /*parent*/, const Message& m) override { messages.push_back(m); }
    void help(QWidget* /*parent*/, HelpCommand command, int context) override {
        helpCalls.emplace_back(command, context);
    }
    void openAddress(const QString& address) override { addresses.push_back(address); }

    std::vector<Message> messages;
    std::vector<std::pair<HelpCommand, int>> helpCalls;
    std::vector<QString> addresses;
};

}  // namespace platform
