#include "platform/TextEditor.h"

#include <dlfcn.h>
#include <gio/gdesktopappinfo.h>

#include <memory>

namespace brewick {

namespace {
constexpr const char* kNoEditor = "No application is set up to open text files";

// GIO's messages may end in a full stop, which the user's message adds itself.
std::string withoutFullStop(std::string message)
{
    if (message.ends_with('.'))
        message.pop_back();
    return message;
}

// GIO, loaded at the first edit rather than with the program: it and the
// libraries it brings would add to every start-up for a command seldom used.
// The GLib it shares with Qt is loaded already.
struct Gio {
    decltype(&g_app_info_get_default_for_type) defaultForType = nullptr;
    decltype(&g_app_info_get_name) nameOf = nullptr;
    decltype(&g_desktop_app_info_get_type) desktopAppInfoType = nullptr;
    decltype(&g_desktop_app_info_launch_uris_as_manager) launchAsManager = nullptr;
    decltype(&g_file_new_for_path) fileForPath = nullptr;
    decltype(&g_file_get_uri) uriOf = nullptr;
    decltype(&g_type_check_instance_is_a) isA = nullptr;
    decltype(&g_object_unref) unref = nullptr;
    decltype(&g_free) free = nullptr;
    decltype(&g_clear_error) clearError = nullptr;
    std::string problem;  // why GIO cannot be used, if it cannot
};

template <typename Function>
void findSymbol(void* library, const char* name, Function& function, std::string& problem)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    if (function == nullptr && problem.empty())
        problem = std::string("GIO has no ") + name;
}

Gio loadGio()
{
    Gio gio;
    // Never unloaded: GLib's types cannot be.
    void* library = dlopen("libgio-2.0.so.0", RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (library == nullptr) {
        gio.problem = dlerror();
        return gio;
    }
    findSymbol(library, "g_app_info_get_default_for_type", gio.defaultForType, gio.problem);
    findSymbol(library, "g_app_info_get_name", gio.nameOf, gio.problem);
    findSymbol(library, "g_desktop_app_info_get_type", gio.desktopAppInfoType, gio.problem);
    findSymbol(library, "g_desktop_app_info_launch_uris_as_manager", gio.launchAsManager, gio.problem);
    findSymbol(library, "g_file_new_for_path", gio.fileForPath, gio.problem);
    findSymbol(library, "g_file_get_uri", gio.uriOf, gio.problem);
    findSymbol(library, "g_type_check_instance_is_a", gio.isA, gio.problem);
    findSymbol(library, "g_object_unref", gio.unref, gio.problem);
    findSymbol(library, "g_free", gio.free, gio.problem);
    findSymbol(library, "g_clear_error", gio.clearError, gio.problem);
    return gio;
}

const Gio& gio()
{
    static const Gio loaded = loadGio();
    return loaded;
}

struct GObjectDeleter {
    void operator()(void* object) const { gio().unref(object); }
};
template <typename T>
using GObjectPtr = std::unique_ptr<T, GObjectDeleter>;

bool isDesktopAppInfo(GAppInfo* info)
{
    return gio().isA(reinterpret_cast<GTypeInstance*>(info), gio().desktopAppInfoType()) != FALSE;
}
}  // namespace

std::optional<std::string> openInTextEditor(const std::string& path)
{
    const Gio& g = gio();
    if (!g.problem.empty())
        return "The desktop's text editor cannot be looked up: " + withoutFullStop(g.problem);
    const GObjectPtr<GAppInfo> editor(g.defaultForType("text/plain", FALSE));
    if (!editor || !isDesktopAppInfo(editor.get()))
        return kNoEditor;
    const GObjectPtr<GFile> file(g.fileForPath(path.c_str()));
    gchar* uri = g.uriOf(file.get());
    GList uris = {uri, nullptr, nullptr};
    GError* error = nullptr;
    // GLib reaps a spawned editor itself; a D-Bus activated one is no child
    // of ours at all.
    const bool started = g.launchAsManager(reinterpret_cast<GDesktopAppInfo*>(editor.get()), &uris, nullptr,
                                           G_SPAWN_SEARCH_PATH, nullptr, nullptr, nullptr, nullptr, &error);
    g.free(uri);
    if (started)
        return std::nullopt;
    std::string problem = std::string("The text editor ") + g.nameOf(editor.get()) + " cannot be started";
    if (error != nullptr)
        problem += ": " + withoutFullStop(error->message);
    g.clearError(&error);
    return problem;
}

}  // namespace brewick
