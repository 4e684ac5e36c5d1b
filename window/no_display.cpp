#include "no_display.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <utility>

#include <QString>
#include <QtGlobal>

namespace no_display {

namespace {

// The name in "... plugin \"NAME\" ..." after `prefix`, or "" when absent.
std::string quotedAfter(const std::string& message, const std::string& prefix) {
    const std::size_t start = message.find(prefix);
    if (start == std::string::npos) return {};
    const std::size_t from = start + prefix.size();
    const std::size_t end = message.find('"', from);
    return end == std::string::npos ? std::string() : message.substr(from, end - from);
}

void addOnce(std::vector<std::string>& parts, std::string part) {
    if (std::find(parts.begin(), parts.end(), part) == parts.end()) parts.push_back(std::move(part));
}

bool isWayland(const std::string& platform) {
    return platform.rfind("wayland", 0) == 0;  // wayland, wayland-egl
}

}  // namespace

void readQtMessage(const std::string& message, Platforms& platforms) {
    if (std::string name = quotedAfter(message, "Could not load the Qt platform plugin \""); !name.empty())
        addOnce(platforms.failed, std::move(name));
    if (std::string name = quotedAfter(message, "Could not find the Qt platform plugin \""); !name.empty())
        addOnce(platforms.missing, std::move(name));
}

std::string line(const std::string& program, const Platforms& platforms, const char* display,
                 const char* waylandDisplay) {
    const auto xDisplay = [&] {
        return display && *display ? "the X display \"" + std::string(display) + "\" cannot be opened"
                                   : std::string("DISPLAY is not set");
    };
    const auto waylandDisplayPart = [&] {
        return waylandDisplay && *waylandDisplay
                   ? "the Wayland display \"" + std::string(waylandDisplay) + "\" cannot be opened"
                   : std::string("WAYLAND_DISPLAY is not set");
    };
    std::vector<std::string> parts;
    for (const std::string& name : platforms.missing) {
        addOnce(parts, isWayland(name) ? "the Qt Wayland plugin is not installed (package qt6-wayland)"
                                       : "the Qt platform plugin \"" + name + "\" is not installed");
    }
    for (const std::string& name : platforms.failed) {
        if (name == "xcb")
            addOnce(parts, xDisplay());
        else if (isWayland(name))
            addOnce(parts, waylandDisplayPart());
        else
            addOnce(parts, "the Qt platform \"" + name + "\" cannot be started");
    }
    if (parts.empty()) parts = {xDisplay(), waylandDisplayPart()};

    std::string text = program + ": no usable display, the window cannot open: ";
    for (std::size_t i = 0; i < parts.size(); ++i) text += (i ? "; " : "") + parts[i];
    return text;
}

namespace {

struct Held {
    QtMsgType type;
    const char* file;
    int lineNumber;
    const char* function;
    const char* category;
    QString text;
};

std::mutex heldMutex;
std::vector<Held> held;
QtMessageHandler qtHandler = nullptr;
std::string programName = "tarvinde";

void passOn(const Held& message) {
    const QMessageLogContext context(message.file, message.lineNumber, message.function, message.category);
    if (qtHandler)
        qtHandler(message.type, context, message.text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(message.type, context, message.text)));
}

void holdingHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    std::unique_lock lock(heldMutex);
    if (type == QtFatalMsg && text.contains(QLatin1String("platform plugin"))) {
        Platforms platforms;
        for (const Held& message : held) readQtMessage(message.text.toStdString(), platforms);
        readQtMessage(text.toStdString(), platforms);
        const std::string said =
            line(programName, platforms, std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"));
        std::fprintf(stderr, "%s\n", said.c_str());
        std::fflush(stderr);
        // Qt is half made: leave without running its destructors.
        std::_Exit(1);
    }
    held.push_back({type, context.file, context.line, context.function, context.category, text});
    if (type == QtFatalMsg) {  // some other fatal fault: as Qt would say it, with all before it
        std::vector<Held> all = std::move(held);
        held.clear();
        lock.unlock();
        for (const Held& message : all) passOn(message);
    }
}

}  // namespace

void holdQtMessages(const char* program) {
    programName = program;
    qtHandler = qInstallMessageHandler(holdingHandler);
}

void releaseQtMessages() {
    qInstallMessageHandler(qtHandler);
    std::vector<Held> all;
    {
        const std::lock_guard lock(heldMutex);
        all = std::move(held);
        held.clear();
    }
    for (const Held& message : all) passOn(message);
}

}  // namespace no_display
