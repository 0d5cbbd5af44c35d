// The assembly every class's member file ends with: the class's name, library and
// design-time settings, then its members, children, resources and factory.
#pragma once

#include "framework/control.h"
#include "framework/interface_table.h"

#include <memory>
#include <string_view>
#include <utility>
#include <vector>

namespace nk {

// What names a class and how a new instance is placed on a form.
struct ClassSettings {
    std::string_view className = {};
    std::string_view library = {};
    std::string_view typeLibrary = {};
    int designWidth = 0; // pixels
    int designHeight = 0;
    OleColor designBackColor = kButtonFace;
    OleColor designForeColor = kButtonText;
    int designMask = 0; // a bitmap of the class's library that shapes a new instance; 0: none
};

template <typename C> std::unique_ptr<Control> CreateControl(Host& host) {
    return std::make_unique<C>(host);
}

template <typename C>
InterfaceTable
MakeInterfaceTable(const ClassSettings& settings, std::vector<PropertyInfo> properties,
                   std::vector<MethodInfo> methods, std::vector<EventInfo> events,
                   std::vector<ChildInfo> children, const ResourceLibrary& resources) {
    InterfaceTable t;
    t.className = settings.className;
    t.library = settings.library;
    t.typeLibrary = settings.typeLibrary;
    t.designWidth = settings.designWidth;
    t.designHeight = settings.designHeight;
    t.designBackColor = settings.designBackColor;
    t.designForeColor = settings.designForeColor;
    t.designMask = settings.designMask;
    t.properties = std::move(properties);
    t.methods = std::move(methods);
    t.events = std::move(events);
    t.children = std::move(children);
    t.resources = &resources;
    t.create = CreateControl<C>;
    return t;
}

} // namespace nk
