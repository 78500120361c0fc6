#include "lighting/user_document.h"

#include "platform/atomic_file.h"
#include "profiles/json_file.h"

namespace viremo {

Json::Value readUserDocument(const std::filesystem::path& file) {
    json::Document document = json::readDocument(file);
    if (document.state == json::FileState::Broken) keepAsBad(file);
    return std::move(document.root);
}

}  // namespace viremo
