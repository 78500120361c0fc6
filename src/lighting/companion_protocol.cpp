#include "lighting/companion_protocol.h"

#include <sys/un.h>

#include <cstdlib>

namespace viremo::companion {

std::filesystem::path socketPath() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (!runtime || !*runtime) return {};
    auto path = std::filesystem::path(runtime) / kWindowClass;
    if (path.native().size() >= sizeof(sockaddr_un::sun_path)) return {};
    return path;
}

}  // namespace viremo::companion
