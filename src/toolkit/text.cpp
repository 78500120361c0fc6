#include "toolkit/text.h"

namespace viremo::toolkit {

CTextUI::CTextUI() {
    m_uTextStyle = kTextLeft | kTextTop | kTextWordBreak;
}

std::string_view CTextUI::GetClass() const { return "Text"; }

}  // namespace viremo::toolkit
