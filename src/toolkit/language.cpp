#include "toolkit/language.h"

#include "platform/atomic_file.h"
#include "platform/log.h"
#include "toolkit/text_util.h"

namespace viremo::toolkit {

namespace {

std::string Unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        char next = text[++i];
        if (next == 'n') out += '\n';
        else if (next == 't') out += '\t';
        else if (next == '\\') out += '\\';
        else if (next == '=') out += '=';
        else {
            out += '\\';
            out += next;
        }
    }
    return out;
}

// The '=' that ends the identifier: the first one not written as "\=".
std::size_t IdentifierEnd(std::string_view line) {
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\\') ++i;
        else if (line[i] == '=') return i;
    }
    return std::string_view::npos;
}

}  // namespace

bool CLanguage::Load(const std::filesystem::path& file) {
    auto text = readWholeFile(file);
    if (!text) {
        log::linef("language file %s cannot be read", file.string().c_str());
        return false;
    }
    LoadText(*text, file.string());
    return true;
}

void CLanguage::LoadText(std::string_view text, std::string_view origin) {
    m_texts.clear();
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    int lineNumber = 0;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        std::string_view trimmed = Trim(line);
        if (trimmed.empty() || trimmed.front() == '#') continue;
        std::size_t equals = IdentifierEnd(trimmed);
        if (equals == std::string_view::npos || Trim(trimmed.substr(0, equals)).empty()) {
            log::linef("%.*s:%d: not an identifier=text line", static_cast<int>(origin.size()), origin.data(),
                       lineNumber);
            continue;
        }
        m_texts[Unescape(Trim(trimmed.substr(0, equals)))] = Unescape(Trim(trimmed.substr(equals + 1)));
    }
    Changed();
}

void CLanguage::Clear() {
    m_texts.clear();
    Changed();
}

std::string CLanguage::Translate(std::string_view id) const {
    auto found = m_texts.find(std::string(id));
    return found == m_texts.end() ? std::string(id) : found->second;
}

bool CLanguage::Contains(std::string_view id) const {
    return m_texts.count(std::string(id)) != 0;
}

int CLanguage::AddListener(std::function<void()> listener) {
    int id = m_nextListener++;
    m_listeners.emplace(id, std::move(listener));
    return id;
}

void CLanguage::RemoveListener(int id) {
    m_listeners.erase(id);
}

void CLanguage::Changed() {
    // A listener may remove itself or others while the language changes.
    std::vector<int> ids;
    for (const auto& [id, listener] : m_listeners) ids.push_back(id);
    for (int id : ids) {
        auto found = m_listeners.find(id);
        if (found != m_listeners.end()) found->second();
    }
}

CLanguage& Language() {
    static CLanguage language;
    return language;
}

}  // namespace viremo::toolkit
