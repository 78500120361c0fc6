#pragma once
// A window-less paint manager with a tree built from layout text, and a
// notifier that records what the controls sent.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/clock.h"
#include "toolkit/control.h"
#include "toolkit/dialog_builder.h"
#include "toolkit/paint_manager.h"

namespace viremo::toolkit::testing {

// Records notifications as "type:sender" (and the parameters when asked).
class RecordingNotifier : public INotifyUI {
public:
    void Notify(TNotifyUI& msg) override {
        std::string line = msg.sType + ":" + (msg.pSender ? msg.pSender->GetName() : std::string());
        if (withParams) line += ":" + std::to_string(msg.wParam) + ":" + std::to_string(msg.lParam);
        events.push_back(line);
    }
    std::vector<std::string> events;
    bool withParams = false;
};

class ToolkitTest : public ::testing::Test {
public:
    void Load(std::string_view layout, Size client) {
        CDialogBuilder builder;
        auto root = builder.Create(layout, nullptr, &pm);
        ASSERT_TRUE(root) << builder.GetLastError();
        pm.AttachDialog(std::move(root));
        pm.AddNotifier(&notes);
        pm.OnSize(client);
        notes.events.clear();
    }

    template <class T = CControlUI>
    T* Find(std::string_view name) {
        auto* control = dynamic_cast<T*>(pm.FindControl(name));
        EXPECT_TRUE(control) << name;
        return control;
    }

    // A press and release at the centre of the control.
    void Click(CControlUI* control) {
        const Rect& r = control->GetPos();
        Point centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        pm.OnButtonDown(centre);
        pm.OnButtonUp(centre);
    }

    FakeClock clock;
    CPaintManagerUI pm{clock};
    RecordingNotifier notes;
};

}  // namespace viremo::toolkit::testing
