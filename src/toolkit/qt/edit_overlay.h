#pragma once
// The native line edit laid over the focused CEditUI: same place, font,
// colours, maximum length and number-only filter. What the user types goes
// back through CEditUI::ApplyNativeText ("textchanged"); Return, Escape and
// Tab go to the paint manager as key presses ("return" for Return).
#include <QLineEdit>
#include <QPointer>

namespace viremo::toolkit {
class CEditUI;
class CPaintManagerUI;
}  // namespace viremo::toolkit

namespace viremo::toolkit::qt {

class CEditOverlay : public QObject {
public:
    CEditOverlay(QWidget& window, CPaintManagerUI& manager);
    ~CEditOverlay() override;

    // Null hides the line edit and gives the keyboard back to the window.
    void Show(CEditUI* edit);
    // After a layout or a text set by the program: follow the edit's place
    // and text.
    void Sync();
    CEditUI* Edit() const { return m_edit; }
    QLineEdit* LineEdit() const { return m_line; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Configure(CEditUI& edit);
    QRect Place(const CEditUI& edit) const;
    void OnTextEdited(const QString& text);

    QWidget& m_window;
    CPaintManagerUI& m_manager;
    QPointer<QLineEdit> m_line;
    CEditUI* m_edit = nullptr;
};

}  // namespace viremo::toolkit::qt
