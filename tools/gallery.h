// The gallery: one labelled sheet showing every control of the kit in its looks and states,
// rendered by `nuvelkit gallery`.
//
// The sheet has a section per control class. A section is a list of rows; a row has a label
// and cells; a cell is a picture with a label under it, usually a control composed by the
// headless host after the container has placed it and put it in some state. Cells flow left
// to right and wrap onto a new line when a row is wider than the sheet.
//
// Each control adds its section from its own file, tools/gallery_<control>.cpp, with a
// static Registration; nothing else needs editing:
//
//     namespace {
//     void AddRows(nk::gallery::Section& section) {
//         auto& row = section.AddRow("Backgrounds");
//         row.AddControl("Cyan water", nk::NuvelCommandInterface(), {}, [](nk::ControlSite& site) {
//             site.Set("BackPicture", nk::Variant::Long(1));
//         });
//     }
//     const nk::gallery::Registration kRegistration{"NuvelCommand", 10, &AddRows};
//     } // namespace
//
// AddControl creates the control in a headless host of the given size (the class's design
// size by default), places it as a container does (InitProperties, Resize, Paint), runs the
// setup, which may set members and send notifications through the ControlSite, and composes
// the result (surface, visible children, glow overlay, mask). A control that throws or
// cannot be created gives a cell marked as failed, never a failed sheet.
#pragma once

#include "framework/interface_table.h"
#include "framework/picture.h"
#include "host/hosts/control_site.h"

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace nk::gallery {

struct Cell {
    std::string label;
    Image image;         // device pixels when the sheet is drawn at a device scale
    bool failed = false; // drawn with a red label
};

// How a control is hosted for a cell.
struct CellOptions {
    int width = -1; // pixels; the class's design size when negative
    int height = -1;
    std::string displayName; // Ambient.DisplayName; the class name + "1" when empty
    Font ambientFont;        // Ambient.Font
};

using Setup = std::function<void(ControlSite&)>;

class Row {
public:
    explicit Row(std::string label, double scale = 1.0) : label_(std::move(label)), scale_(scale) {}

    const std::string& label() const { return label_; }
    double scale() const { return scale_; }
    const std::vector<Cell>& cells() const { return cells_; }

    // A control of `table` placed, set up and composed.
    Row& AddControl(std::string label, const InterfaceTable& table, const CellOptions& options,
                    const Setup& setup = {});
    // Any picture (logical pixels; resampled smoothly at a device scale).
    Row& AddImage(std::string label, Image image);

private:
    std::string label_;
    double scale_;
    std::vector<Cell> cells_;
};

class Section {
public:
    explicit Section(std::string title, double scale = 1.0)
        : title_(std::move(title)), scale_(scale) {}

    const std::string& title() const { return title_; }
    const std::deque<Row>& rows() const { return rows_; }
    // The reference stays valid while the section lives.
    Row& AddRow(std::string label);

private:
    std::string title_;
    double scale_;
    std::deque<Row> rows_;
};

class Sheet {
public:
    // `scale`: the device scale the sheet and its controls are drawn at (1, 1.5, 2 or 3);
    // the layout stays that of scale 1, with every pixel `scale` times finer.
    explicit Sheet(std::string title, int width = 1400, double scale = 1.0)
        : title_(std::move(title)), width_(width), scale_(scale) {}

    Section& AddSection(std::string title);
    const std::deque<Section>& sections() const { return sections_; }
    int CellCount() const;
    int FailedCount() const;

    // Lays out and draws the sheet: the title, then each section's heading, its rows' labels
    // and their cells. See-through pixels of a cell show a light chequer board.
    Image Render() const;

private:
    std::string title_;
    int width_;
    double scale_;
    std::deque<Section> sections_;
};

// A control's contribution: adds its rows to the section made for it.
using AddRowsFn = void (*)(Section& section);

// Registers a section at program start. Sections are drawn by ascending `order`, then by
// title; the kit's controls use 10 (NuvelCommand), 20, 30, ... in the order they landed.
struct Registration {
    Registration(std::string_view title, int order, AddRowsFn addRows);
};

// Builds the sheet from every registered section, or only from the sections whose titles
// are listed (any letter case).
Sheet BuildSheet(const std::vector<std::string>& only = {}, double scale = 1.0);

// A picture of w x h pixels with a diagonal two-colour pattern (0x00BBGGRR colours), for
// the cells that show pictures of the user's own.
Image PatternImage(int w, int h, OleColor a, OleColor b);

} // namespace nk::gallery
