#pragma once
// A progress bar with a thumb the user drags. Dragging sends
// "movevaluechanged" at each new value (unless sendmove is off); releasing
// sends "valuechanged"; a press on the track jumps there; the wheel and the
// arrow keys move by the step and send "valuechanged".
#include "toolkit/progress.h"

namespace viremo::toolkit {

class CSliderUI : public CProgressUI {
public:
    std::string_view GetClass() const override;

    int GetChangeStep() const { return m_nStep; }
    void SetChangeStep(int step) { m_nStep = std::max(1, step); }
    Size GetThumbSize() const { return m_szThumb; }
    void SetThumbSize(Size size);
    bool IsSendMove() const { return m_bSendMove; }
    void SetSendMove(bool send) { m_bSendMove = send; }
    Rect GetThumbRect() const;

    // Sets the value without a notification; the second form sends
    // "valuechanged" when asked and the value changed.
    void SetValue(int value) override;
    void SetValue(int value, bool notify);

    void DoEvent(TEventUI& event) override;
    void PaintStatusImage(IRenderer& renderer) override;
    void SetAttribute(std::string_view name, std::string_view value) override;

protected:
    int TrackLength() const override;

private:
    int ValueAt(Point point) const;
    void MoveBy(int steps);

    int m_nStep = 1;
    Size m_szThumb{10, 10};
    bool m_bSendMove = true;
    std::string m_sThumbImage;
    std::string m_sThumbHotImage;
    std::string m_sThumbPushedImage;
};

}  // namespace viremo::toolkit
