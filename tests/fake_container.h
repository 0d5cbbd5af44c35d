// A container for tests, reached through the headless host's hooks: it keeps the message
// boxes a control showed, the addresses it opened (answered with a shell result the test
// sets) and the sound it handed to the player last, and counts the modal dialogs it ran.
#pragma once

#include "host/hosts/container_hooks.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace nk::testing_support {

struct MessageBoxRecord {
    int style = 0;
    std::string title;
    std::string text;
};

class FakeContainer {
public:
    // `base` with the shell, message box and player hooks of this container, which must
    // outlive every host they are installed in.
    ContainerHooks Hooks(ContainerHooks base = {}) {
        base.shell = [this](const std::string& address) {
            shellAddresses.push_back(address);
            return shellResult;
        };
        base.messageBox = [this](int style, const std::string& title, const std::string& text) {
            messageBoxes.push_back({style, title, text});
        };
        base.player = [this](std::shared_ptr<const std::vector<std::uint8_t>> image, int id) {
            // Like a real player, the new sound replaces (and so stops) the previous one.
            lastSound = std::move(image);
            lastSoundId = id;
        };
        return base;
    }

    int shellResult = 42;
    std::vector<std::string> shellAddresses;
    std::vector<MessageBoxRecord> messageBoxes;
    std::shared_ptr<const std::vector<std::uint8_t>> lastSound;
    int lastSoundId = 0;
};

} // namespace nk::testing_support
