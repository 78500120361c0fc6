#include "lighting/companion_protocol.h"

#include <sys/un.h>

#include <cstdlib>

#include "platform/identity.h"

namespace viremo::companion {

std::string windowClass() { return std::string(kIdentity) + std::string(kWindowClassSuffix); }

std::filesystem::path socketPath() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (!runtime || !*runtime) return {};
    auto path = std::filesystem::path(runtime) / windowClass();
    if (path.native().size() >= sizeof(sockaddr_un::sun_path)) return {};
    return path;
}

}  // namespace viremo::companion
