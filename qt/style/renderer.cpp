#include "qt/style/renderer.h"

#include "host/forms/form.h"
#include "host/hosts/compose.h"
#include "host/input/form_input.h"
#include "qt/control_form.h"
#include "qt/kit.h"

#include <algorithm>
#include <list>
#include <mutex>
#include <unordered_map>
#include <utility>

namespace nk::qt::style {

namespace {

// The control of the request, made in a form of its own and driven into the request's state
// through the kit's input rules, composed.
QImage Draw(const Request& r) {
    const std::unique_ptr<Form> form = makeControlForm(r.table, r.font, r.scale, {}, {});
    FormControl* c = form->Add(r.table->className, displayNameOf({}, r.table->className), 0, 0,
                               r.size.width(), r.size.height());
    if (!c) return {};
    for (const auto& [member, value] : r.members)
        c->Set(member, value);
    if (Has(r.states, State::Checked)) c->Set("Value", Variant::Long(1));
    // A picture mode may have changed the size the control keeps: it is asked again.
    c->SetSize(r.size.width(), r.size.height());
    FormInput input(*form);
    const double x = c->width() / 2.0, y = c->height() / 2.0;
    if (Has(r.states, State::Disabled)) {
        c->Set("Enabled", Variant::Boolean(kFalse));
    } else {
        if (Has(r.states, State::Focused)) input.Focus(c);
        if (Has(r.states, State::Hover) || Has(r.states, State::Pressed))
            input.MouseMove(0, 0, x, y);
        // The kit's press focuses the control, as a click focuses a Qt button.
        if (Has(r.states, State::Pressed)) input.MouseDown(kLeftButton, 0, x, y);
    }
    const Image composed = Compose(c->host());
    QImage image(composed.width, composed.height, QImage::Format_ARGB32);
    for (int row = 0; row < composed.height; ++row)
        std::copy_n(composed.pixels.data() + static_cast<std::size_t>(row) * composed.width,
                    composed.width, reinterpret_cast<std::uint32_t*>(image.scanLine(row)));
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(r.scale);
    return image;
}

// The least recently used pictures go first once the cache holds more than kCacheBytes.
class PictureCache {
public:
    QImage Find(const Request& r) {
        const std::string key = KeyOf(r);
        {
            const std::lock_guard hold(lock_);
            if (const auto found = index_.find(key); found != index_.end()) {
                order_.splice(order_.begin(), order_, found->second);
                return found->second->second;
            }
        }
        QImage image = Draw(r); // outside the lock: a control may take a while
        const std::lock_guard hold(lock_);
        ++drawn_;
        if (index_.count(key)) return image;
        order_.emplace_front(key, image);
        index_.emplace(key, order_.begin());
        bytes_ += static_cast<std::size_t>(image.sizeInBytes());
        while (bytes_ > kCacheBytes && order_.size() > 1) {
            bytes_ -= static_cast<std::size_t>(order_.back().second.sizeInBytes());
            index_.erase(order_.back().first);
            order_.pop_back();
        }
        return image;
    }

    CacheCounts Counts() {
        const std::lock_guard hold(lock_);
        return {order_.size(), bytes_, drawn_};
    }

private:
    using Entry = std::pair<std::string, QImage>;
    std::mutex lock_;
    std::list<Entry> order_; // the latest first
    std::unordered_map<std::string, std::list<Entry>::iterator> index_;
    std::size_t bytes_ = 0;
    std::size_t drawn_ = 0;
};

// The process's one cache (see the header).
PictureCache& Cache() {
    static PictureCache cache;
    return cache;
}

} // namespace

std::string KeyOf(const Request& r) {
    std::string key(r.table->className);
    for (const auto& [member, value] : r.members) {
        key += '\x1f';
        key += member;
        key += '=';
        key += VariantToString(value);
    }
    key += '\x1e';
    key += r.font.key().toStdString();
    key += '\x1e' + std::to_string(r.size.width()) + 'x' + std::to_string(r.size.height()) + '@' +
           std::to_string(r.scale) + '/' + std::to_string(r.states);
    return key;
}

QImage Picture(const Request& request) {
    if (!request.table || request.size.isEmpty()) return {};
    return Cache().Find(request);
}

CacheCounts Counts() {
    return Cache().Counts();
}

} // namespace nk::qt::style
