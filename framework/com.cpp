#include "framework/com.h"

#include "framework/control.h"
#include "framework/interface_table.h"

#include <atomic>
#include <cstdio>
#include <memory>
#include <new>

namespace nk {

std::string ToString(const Guid& g) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", g.data1,
                  g.data2, g.data3, g.data4[0], g.data4[1], g.data4[2], g.data4[3], g.data4[4],
                  g.data4[5], g.data4[6], g.data4[7]);
    return buf;
}

namespace {

std::optional<std::uint64_t> ParseHex(std::string_view s) {
    if (s.empty()) return std::nullopt;
    std::uint64_t v = 0;
    for (char c : s) {
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return std::nullopt;
        v = v * 16 + static_cast<std::uint64_t>(d);
    }
    return v;
}

} // namespace

std::optional<Guid> ParseGuid(std::string_view text) {
    if (text.size() == 38 && text.front() == '{' && text.back() == '}') text = text.substr(1, 36);
    if (text.size() != 36 || text[8] != '-' || text[13] != '-' || text[18] != '-' ||
        text[23] != '-')
        return std::nullopt;
    auto a = ParseHex(text.substr(0, 8));
    auto b = ParseHex(text.substr(9, 4));
    auto c = ParseHex(text.substr(14, 4));
    if (!a || !b || !c) return std::nullopt;
    Guid g{static_cast<std::uint32_t>(*a), static_cast<std::uint16_t>(*b),
           static_cast<std::uint16_t>(*c)};
    std::string tail = std::string(text.substr(19, 4)) + std::string(text.substr(24, 12));
    for (int i = 0; i < 8; ++i) {
        auto byte = ParseHex(std::string_view(tail).substr(static_cast<std::size_t>(i) * 2, 2));
        if (!byte) return std::nullopt;
        g.data4[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(*byte);
    }
    return g;
}

namespace {

// The library's own counts: each library links this file once.
std::atomic<long> gLiveObjects{0};
std::atomic<long> gServerLocks{0};

// A created control and its reference count; it deletes itself on the last Release.
class ControlInstance final : public ControlObject {
public:
    ControlInstance(const InterfaceTable& table, const Guid& classIid,
                    std::unique_ptr<Control> control)
        : table_(table), classIid_(classIid), control_(std::move(control)) {
        ObjectCreated();
    }
    ControlInstance(const ControlInstance&) = delete;
    ControlInstance& operator=(const ControlInstance&) = delete;
    ~ControlInstance() { ObjectDestroyed(); }

    HResult QueryInterface(const Guid& iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        *out = nullptr;
        if (iid != kIID_Unknown && iid != kIID_ControlObject && iid != classIid_)
            return E_NOINTERFACE;
        AddRef();
        *out = static_cast<ControlObject*>(this);
        return S_OK;
    }
    std::uint32_t AddRef() override { return ++refs_; }
    std::uint32_t Release() override {
        std::uint32_t left = --refs_;
        if (left == 0) std::unique_ptr<ControlInstance> self(this);
        return left;
    }
    Control& GetControl() override { return *control_; }
    const InterfaceTable& ClassInterface() const override { return table_; }

private:
    const InterfaceTable& table_;
    Guid classIid_;
    std::unique_ptr<Control> control_;
    std::atomic<std::uint32_t> refs_{0};
};

// The class object of one control class. It counts as a live object while referenced.
class Factory final : public ClassFactory {
public:
    Factory(const InterfaceTable& table, const Guid& classIid)
        : table_(table), classIid_(classIid) {
        ObjectCreated();
    }
    Factory(const Factory&) = delete;
    Factory& operator=(const Factory&) = delete;
    ~Factory() { ObjectDestroyed(); }

    HResult QueryInterface(const Guid& iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        *out = nullptr;
        if (iid != kIID_Unknown && iid != kIID_ClassFactory) return E_NOINTERFACE;
        AddRef();
        *out = static_cast<ClassFactory*>(this);
        return S_OK;
    }
    std::uint32_t AddRef() override { return ++refs_; }
    std::uint32_t Release() override {
        std::uint32_t left = --refs_;
        if (left == 0) std::unique_ptr<Factory> self(this);
        return left;
    }

    HResult CreateInstance(Unknown* outer, Host* host, const Guid& iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        *out = nullptr;
        if (outer != nullptr) return CLASS_E_NOAGGREGATION;
        if (host == nullptr) return E_POINTER;
        if (iid != kIID_Unknown && iid != kIID_ControlObject && iid != classIid_)
            return E_NOINTERFACE;
        if (table_.create == nullptr) return E_FAIL;
        try {
            std::unique_ptr<Control> control = table_.create(*host);
            if (!control) return E_FAIL;
            auto instance =
                std::make_unique<ControlInstance>(table_, classIid_, std::move(control));
            HResult hr = instance->QueryInterface(iid, out);
            if (hr == S_OK) instance.release();
            return hr;
        } catch (const std::bad_alloc&) {
            return E_OUTOFMEMORY;
        } catch (...) {
            return E_FAIL;
        }
    }
    HResult LockServer(bool lock) override {
        nk::LockServer(lock);
        return S_OK;
    }
    const InterfaceTable& ClassInterface() const override { return table_; }

private:
    const InterfaceTable& table_;
    Guid classIid_;
    std::atomic<std::uint32_t> refs_{0};
};

} // namespace

void ObjectCreated() {
    ++gLiveObjects;
}
void ObjectDestroyed() {
    --gLiveObjects;
}

void LockServer(bool lock) {
    if (lock) {
        ++gServerLocks;
        return;
    }
    // An unlock without a lock is ignored rather than letting the count go negative.
    long n = gServerLocks.load();
    while (n > 0 && !gServerLocks.compare_exchange_weak(n, n - 1)) {
    }
}

long LiveObjects() {
    return gLiveObjects.load();
}
long ServerLocks() {
    return gServerLocks.load();
}

HResult CanUnloadNow() {
    return LiveObjects() == 0 && ServerLocks() == 0 ? S_OK : S_FALSE;
}

HResult GetClassObject(const InterfaceTable& table, const Guid& classIid, const Guid& iid,
                       void** out) {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    try {
        auto factory = std::make_unique<Factory>(table, classIid);
        HResult hr = factory->QueryInterface(iid, out);
        if (hr == S_OK) factory.release();
        return hr;
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

} // namespace nk
