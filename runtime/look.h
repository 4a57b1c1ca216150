// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPalette>
#include <QSize>

#include <thread>

class QWidget;

namespace rt {

// Layout figures are designed in twips; at 96 dpi one pixel is 15 twips.
constexpr int twipsPerPixel = 15;
constexpr int px(int twips) { return twips / twipsPerPixel; }
constexpr QSize pxSize(int widthTwips, int heightTwips) { return {px(widthTwips), px(heightTwips)}; }

enum class WindowKind {
    Tool,       // small title bar, close box only, fixed size, no taskbar entry
    Fixed,      // ordinary title bar with a close box only, fixed size, taskbar entry
    Resizable,  // ordinary window with minimise and maximise boxes
};

// Gives a top-level window its kind and exact client-area size.
void applyWindowKind(QWidget &window, WindowKind kind, QSize client);

// Places a top-level window in the middle of the display it is on.
void centreOnDisplay(QWidget &window);

// The system colours the screens name, by their index in the platform's
// system colour table.
namespace sys {
constexpr int menuText = 7;
constexpr int highlightText = 14;
constexpr int buttonFace = 15;
constexpr int toolTipBackground = 24;
} // namespace sys

QPalette::ColorRole systemColourRole(int index);
QColor systemColour(int index);

// Paints a widget's background in a system colour, following the palette.
void fillWithSystemColour(QWidget &widget, int index);
// Gives a button's face a system colour.
void paintButtonWithSystemColour(QWidget &button, int index);

// Gives a widget an explanation: as its tool tip and What's This text, in
// lines of at most explanationWidth characters where blanks allow, and as
// its description for screen readers, as it stands.
constexpr int explanationWidth = 64;
void explain(QWidget &widget, const QString &text);

// Maps the font faces the screens are designed with to installed faces of
// about the same width, so captions fit their fixed-size controls.
void installFontStandIns();

// Reads the system's font configuration into the toolkit's font database on
// a thread of its own, the longest step before a first window can paint, so
// that it overlaps with building that window; painting text waits for it.
// Needs the application object; joins the thread when destroyed.
class FontDatabaseWarmUp
{
public:
    FontDatabaseWarmUp();
    ~FontDatabaseWarmUp();
    FontDatabaseWarmUp(const FontDatabaseWarmUp &) = delete;
    FontDatabaseWarmUp &operator=(const FontDatabaseWarmUp &) = delete;

private:
    std::thread thread_;
};

// Applies what .ui files cannot hold of a font: every widget under root with a
// "pointSizeF" (fractional points) or "fontWeight" (1..1000) property gets it.
// A widget designed with a face that has a stand-in gets the stand-in's name
// in its font and the designed face in its "designFamily" property.
void applyDesignFonts(QWidget &root);

// The face a widget is designed with (see applyDesignFonts).
QString designFamily(const QWidget &widget);

} // namespace rt
