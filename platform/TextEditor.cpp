#include "platform/TextEditor.h"

#include <gio/gdesktopappinfo.h>

#include <memory>

namespace brewick {

namespace {
template <typename T>
struct GObjectDeleter {
    void operator()(T* object) const { g_object_unref(object); }
};
template <typename T>
using GObjectPtr = std::unique_ptr<T, GObjectDeleter<T>>;
}  // namespace

std::optional<std::string> openInTextEditor(const std::string& path)
{
    std::string problem = "No application is set up to open text files";
    const GObjectPtr<GAppInfo> editor(g_app_info_get_default_for_type("text/plain", FALSE));
    if (editor && G_IS_DESKTOP_APP_INFO(editor.get())) {
        const GObjectPtr<GFile> file(g_file_new_for_path(path.c_str()));
        gchar* uri = g_file_get_uri(file.get());
        GList uris = {uri, nullptr, nullptr};
        GError* error = nullptr;
        // GLib reaps a spawned editor itself; a D-Bus activated one is no
        // child of ours at all.
        const bool started =
            g_desktop_app_info_launch_uris_as_manager(G_DESKTOP_APP_INFO(editor.get()), &uris, nullptr,
                                                      G_SPAWN_SEARCH_PATH, nullptr, nullptr, nullptr, nullptr, &error);
        g_free(uri);
        if (started)
            return std::nullopt;
        if (error != nullptr)
            problem = problem + " (" + g_app_info_get_name(editor.get()) + ": " + error->message + ")";
        g_clear_error(&error);
    }
    return problem;
}

}  // namespace brewick
