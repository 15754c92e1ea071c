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

void rememberPid(GDesktopAppInfo*, GPid pid, gpointer launch)
{
    static_cast<EditorLaunch*>(launch)->pid = pid;
}
}  // namespace

EditorLaunch startTextEditor(const std::string& path)
{
    EditorLaunch launch;
    const GObjectPtr<GAppInfo> editor(g_app_info_get_default_for_type("text/plain", FALSE));
    if (!editor || !G_IS_DESKTOP_APP_INFO(editor.get()))
        return launch;
    const GObjectPtr<GFile> file(g_file_new_for_path(path.c_str()));
    gchar* uri = g_file_get_uri(file.get());
    GList uris = {uri, nullptr, nullptr};
    GError* error = nullptr;
    // Without G_SPAWN_DO_NOT_REAP_CHILD GLib would reap the editor itself and
    // leave us nothing to wait for.
    launch.started = g_desktop_app_info_launch_uris_as_manager(
        G_DESKTOP_APP_INFO(editor.get()), &uris, nullptr,
        static_cast<GSpawnFlags>(G_SPAWN_SEARCH_PATH | G_SPAWN_DO_NOT_REAP_CHILD), nullptr, nullptr,
        &rememberPid, &launch, &error);
    g_clear_error(&error);
    g_free(uri);
    return launch;
}

}  // namespace brewick
