// The line the window program says when no display can be opened, from Qt's
// messages as Qt 6 words them and from the display environment.

#include <gtest/gtest.h>

#include "no_display.h"

namespace {

struct Case {
    const char* what;
    std::vector<const char*> messages;  // Qt's messages before its fatal one
    const char* display;                // nullptr: unset
    const char* waylandDisplay;
    const char* said;  // after "tarvinde: no usable display, the window cannot open: "
};

const Case kCases[] = {
    {"nothing set",
     {"could not connect to display ",
      "Could not load the Qt platform plugin \"xcb\" in \"\" even though it was found."},
     nullptr,
     nullptr,
     "DISPLAY is not set"},
    {"an empty DISPLAY counts as none",
     {"Could not load the Qt platform plugin \"xcb\" in \"\" even though it was found."},
     "",
     nullptr,
     "DISPLAY is not set"},
    {"an X display that cannot be reached",
     {"could not connect to display :4242",
      "Could not load the Qt platform plugin \"xcb\" in \"\" even though it was found."},
     ":4242",
     nullptr,
     "the X display \":4242\" cannot be opened"},
    {"a Wayland session without a compositor, then X",
     {"Failed to create wl_display (No such file or directory)",
      "Could not load the Qt platform plugin \"wayland\" in \"\" even though it was found.",
      "Could not load the Qt platform plugin \"xcb\" in \"\" even though it was found."},
     nullptr,
     "wayland-1",
     "the Wayland display \"wayland-1\" cannot be opened; DISPLAY is not set"},
    {"a Wayland session without the Wayland plugin",
     {"Could not find the Qt platform plugin \"wayland\" in \"\"",
      "Could not load the Qt platform plugin \"xcb\" in \"\" even though it was found."},
     nullptr,
     "wayland-0",
     "the Qt Wayland plugin is not installed (package qt6-wayland); DISPLAY is not set"},
    {"both Wayland plugins fail: said once",
     {"Could not load the Qt platform plugin \"wayland-egl\" in \"\" even though it was found.",
      "Could not load the Qt platform plugin \"wayland\" in \"\" even though it was found."},
     ":0",
     "wayland-0",
     "the Wayland display \"wayland-0\" cannot be opened"},
    {"a platform asked for that does not exist",
     {"Could not find the Qt platform plugin \"nothere\" in \"\""},
     ":0",
     nullptr,
     "the Qt platform plugin \"nothere\" is not installed"},
    {"another platform that fails",
     {"Could not load the Qt platform plugin \"eglfs\" in \"\" even though it was found."},
     nullptr,
     nullptr,
     "the Qt platform \"eglfs\" cannot be started"},
    {"no plugin named: the environment",
     {"QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to '/tmp/runtime-root'"},
     ":3",
     "wayland-2",
     "the X display \":3\" cannot be opened; the Wayland display \"wayland-2\" cannot be opened"},
    {"a name without its closing quote is no name",
     {"Could not load the Qt platform plugin \"xcb"},
     nullptr,
     nullptr,
     "DISPLAY is not set; WAYLAND_DISPLAY is not set"},
};

TEST(NoDisplayLine, SaysWhyInOneLine) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        no_display::Platforms platforms;
        for (const char* message : c.messages) no_display::readQtMessage(message, platforms);
        const std::string said = no_display::line("tarvinde", platforms, c.display, c.waylandDisplay);
        EXPECT_EQ(said, std::string("tarvinde: no usable display, the window cannot open: ") + c.said);
        EXPECT_EQ(said.find('\n'), std::string::npos);
    }
}

TEST(NoDisplayLine, ReadsOnlyPluginMessages) {
    no_display::Platforms platforms;
    no_display::readQtMessage("This plugin does not support propagateSizeHints()", platforms);
    no_display::readQtMessage("qt.qpa.xcb: could not connect to display :0", platforms);
    EXPECT_TRUE(platforms.failed.empty());
    EXPECT_TRUE(platforms.missing.empty());
    no_display::readQtMessage(
        "Could not load the Qt platform plugin \"xcb\" in \"\" even though it was found.", platforms);
    no_display::readQtMessage(
        "Could not load the Qt platform plugin \"xcb\" in \"\" even though it was found.", platforms);
    EXPECT_EQ(platforms.failed, std::vector<std::string>{"xcb"});
}

}  // namespace
