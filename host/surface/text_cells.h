// The pieces the text layout works on: a caption decoded into cells, one per character,
// and, for captions that need it, the shaped glyphs and the display order of each line.
#pragma once

#include "host/surface/text.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <type_traits>
#include <vector>

struct hb_buffer_t;

namespace nk::text::detail {

// A short-lived array that lives on the stack for short texts and on the heap for long
// ones, so that drawing a caption allocates nothing. The stack part is left unset until
// an element is pushed.
template <class T, std::size_t N> class Scratch {
    static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);

public:
    explicit Scratch(std::size_t capacity) {
        if (capacity > N) {
            heap_.resize(capacity);
            data_ = heap_.data();
        }
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    void push_back(const T& v) {
        if (data_ == Local()) {
            if (size_ < N) {
                std::construct_at(data_ + size_++, v);
                return;
            }
            heap_.assign(data_, data_ + size_);
        } else if (size_ < heap_.size()) {
            data_[size_++] = v;
            return;
        }
        heap_.resize(size_);
        heap_.push_back(v);
        data_ = heap_.data();
        ++size_;
    }
    T& operator[](std::size_t i) { return data_[i]; }
    const T& operator[](std::size_t i) const { return data_[i]; }
    std::size_t size() const { return size_; }

private:
    T* Local() { return std::launder(reinterpret_cast<T*>(local_)); }
    alignas(T) unsigned char local_[N * sizeof(T)];
    std::vector<T> heap_;
    T* data_ = Local();
    std::size_t size_ = 0;
};

struct Cell {
    const Glyph* glyph = nullptr; // nullptr for tabs, line ends, other control characters
                                  // and characters drawn by shaped glyphs
    char32_t c = 0;
    bool mark = false;         // an access key: underlined
    std::uint8_t level = 0;    // the bidirectional embedding level: odd runs right to left
    std::uint16_t count = 0;   // shaped glyphs the cell draws
    std::int32_t advance = -1; // when shaped, the pen's move over the cell's glyphs
    std::uint32_t first = 0;   // when shaped, the first of its glyphs in Shaped::pieces
    std::uint32_t leader = 0;  // when shaped, the cell that draws the cluster it belongs to
};

// One glyph of a shaped run, placed relative to the pen of its cell.
struct Piece {
    const Glyph* glyph = nullptr;
    SizedFont* font = nullptr;   // whose store has the coverage
    std::int32_t dx = 0, dy = 0; // dy counts up from the baseline
    std::int32_t advance = 0;
};

using Cells = Scratch<Cell, 96>;

struct Shaped {
    const std::vector<Piece>* pieces = nullptr; // valid until the font shapes again
    bool reorder = false;                       // some cell runs right to left
};

// The last few texts a font shaped, so that drawing the same caption again costs no
// shaping: what shaping set in each cell, and the glyphs.
struct ShapeCache {
    struct Entry {
        std::vector<std::uint32_t> chars;
        bool singleLine = false;
        bool special = false; // false: every character draws on its own left to right
        bool reorder = false;
        std::vector<Cell> cells;
        std::vector<Piece> pieces;
    };
    static constexpr std::size_t kEntries = 8;
    static constexpr std::size_t kLongest = 4096; // longer texts are shaped each time
    std::vector<Entry> entries;                   // the most recent first
    Entry spare;                                  // the last text too long to keep
    // Room the bidirectional algorithm works in, kept from text to text.
    std::vector<std::uint32_t> types, brackets;
    std::vector<std::int8_t> levels;
    std::unique_ptr<hb_buffer_t, void (*)(hb_buffer_t*)> buffer{nullptr, nullptr};
};

// Shapes the runs of the cells that need it and sets their bidirectional levels, taking
// each line end as the end of a paragraph unless `singleLine`. Returns false, changing
// nothing, when every character draws on its own from left to right.
bool Shape(SizedFont& font, Cells& cells, bool singleLine, Shaped& out);

// The cells from `begin` to `end` in display order, left to right.
void DisplayOrder(const Cells& cells, std::size_t begin, std::size_t end,
                  Scratch<std::uint32_t, 96>& order);

} // namespace nk::text::detail
