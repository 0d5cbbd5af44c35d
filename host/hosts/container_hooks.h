// What a container gives the headless host to reach it: its event handler, its player,
// its shell, message boxes, modal loop and pointer grab. Every hook may be left empty.
#pragma once

#include "framework/host.h"
#include "framework/interface_table.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace nk {

// The container's event handler: the event's table entry (nullptr for a number the table
// does not declare), its number and the by-reference arguments.
using EventHandler =
    std::function<void(const EventInfo* info, int number, std::span<const EventArg> args)>;
// A sound player: starts the wave image of resource `id`, stopping any sound playing.
using SoundPlayer =
    std::function<void(std::shared_ptr<const std::vector<std::uint8_t>> image, int id)>;

struct ContainerHooks {
    EventHandler onEvent = {};
    // Told when the control reports a change of one of its properties (PropertyChanged).
    std::function<void(std::string_view property)> onPropertyChanged = {};
    // Without a player nothing is heard.
    SoundPlayer player = {};
    // Told when a call into the control threw or nested too deeply, or when a resource bitmap
    // (or a finer variant of one) could not be decoded; the control goes on.
    std::function<void(const std::string& message)> onFault = {};
    // Runs a modal form until it is closed (a windowed host's loop); without one the host
    // performs the queued clicks and then closes the form.
    std::function<void(ModalForm& form)> runDialog = {};
    // Opens an address and gives the shell's result; without one the host answers with
    // the shell result it was given (42 unless set).
    std::function<int(const std::string& address)> shell = {};
    // Shows a message box; without one nothing is shown.
    std::function<void(int style, const std::string& title, const std::string& text)> messageBox =
        {};
    // Told when the control takes (true) or releases (false) the mouse capture, so that a
    // container with a real pointer can grab it.
    std::function<void(bool captured)> onCapture = {};
};

} // namespace nk
