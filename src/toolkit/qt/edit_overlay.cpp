#include "toolkit/qt/edit_overlay.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

#include "toolkit/edit.h"
#include "toolkit/paint_manager.h"
#include "toolkit/qt/key_map.h"
#include "toolkit/qt/qt_convert.h"

namespace viremo::toolkit::qt {

CEditOverlay::CEditOverlay(QWidget& window, CPaintManagerUI& manager)
    : m_window(window), m_manager(manager), m_line(new QLineEdit(&window)) {
    m_line->hide();
    m_line->setFrame(false);
    m_line->installEventFilter(this);
    QObject::connect(m_line, &QLineEdit::textEdited, this, [this](const QString& text) { OnTextEdited(text); });
}

CEditOverlay::~CEditOverlay() {
    if (m_line) m_line->removeEventFilter(this);
}

void CEditOverlay::Show(CEditUI* edit) {
    m_edit = edit;
    if (!m_line) return;
    if (!edit) {
        const bool hadKeyboard = m_line->hasFocus();
        m_line->hide();
        if (hadKeyboard) m_window.setFocus(Qt::OtherFocusReason);
        return;
    }
    Configure(*edit);
    m_line->show();
    m_line->raise();
    m_line->setFocus(Qt::OtherFocusReason);
}

void CEditOverlay::Sync() {
    if (!m_edit || !m_line || !m_line->isVisible()) return;
    const QRect place = Place(*m_edit);
    if (m_line->geometry() != place) m_line->setGeometry(place);
    const QString text = ToQString(m_edit->GetText());
    if (m_line->text() != text) m_line->setText(text);
}

QRect CEditOverlay::Place(const CEditUI& edit) const {
    // Inside the border, and inside the text padding across.
    const int border = m_manager.ScaleValue(edit.GetBorderSize());
    const Rect& padding = edit.GetTextPadding();
    return ToQRect(edit.GetPos().Deflated({border + m_manager.ScaleValue(padding.left), border,
                                           border + m_manager.ScaleValue(padding.right), border}));
}

void CEditOverlay::Configure(CEditUI& edit) {
    m_line->setGeometry(Place(edit));
    FontInfo font = CPaintManagerUI::GetFont(edit.GetFont());
    font.size = m_manager.ScaleValue(font.size);
    m_line->setFont(ToQFont(font));
    m_line->setMaxLength(std::max(0, edit.GetMaxChar()));
    m_line->setReadOnly(edit.IsReadOnly());
    m_line->setEchoMode(edit.IsPasswordMode() ? QLineEdit::Password : QLineEdit::Normal);
    if (edit.IsNumberOnly())
        m_line->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_line));
    else if (const QValidator* old = m_line->validator()) {
        m_line->setValidator(nullptr);
        delete old;
    }
    QPalette palette = m_line->palette();
    palette.setColor(QPalette::Base, ToQColor(edit.GetNativeEditBkColor()));
    palette.setColor(QPalette::Text, ToQColor(edit.GetTextColor()));
    m_line->setPalette(palette);
    m_line->setAlignment(static_cast<Qt::Alignment>(ToQtTextFlags(edit.GetTextStyle()) & Qt::AlignHorizontal_Mask) |
                         Qt::AlignVCenter);
    m_line->setText(ToQString(edit.GetText()));
}

void CEditOverlay::OnTextEdited(const QString& text) {
    if (!m_edit) return;
    CEditUI* edit = m_edit;
    const std::string typed = FromQString(text);
    const std::string kept = edit->ApplyNativeText(typed);
    // The notification may have moved the focus away.
    if (m_edit == edit && m_line && kept != typed) m_line->setText(ToQString(kept));
}

bool CEditOverlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_line || event->type() != QEvent::KeyPress || !m_edit) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        m_manager.OnKeyDown(ToToolkitKey(key->key()), ToKeyState(key->modifiers(), Qt::NoButton));
        return true;
    default:
        return false;
    }
}

}  // namespace viremo::toolkit::qt
