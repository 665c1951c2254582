#pragma once
// What window-system input means for the viewer and its forms, written once:
// the Win32 window procedure and the simulated desktop only unpack their
// messages and call these.

#include <vector>

#include "platform/desktop.h"

namespace mirlo {

// A mouse button went down over the viewer, at client coordinates. A left
// press captures the mouse before it is reported, which is what arms a drag.
// A left double-click is reported as such and then as the press it also is,
// so that holding the button after it drags at once.
void ButtonDown(Desktop& desk, WindowEvents& events, MouseButton button, Point client,
                bool doubleClick);

// The radio buttons that checking `id` unchecks: the form's others, since
// all of a form's radio buttons form one group.
std::vector<int> RadioGroupOthers(const FormDescription& form, int id);

// The push button that Return presses in an open form: the focused one
// (0 for none), or else the form's default button; 0 when it presses none.
// A disabled button is not pressed.
int ReturnPresses(const FormDescription& form, int focusedPushButton);

// A key went down in an open form, before the focused control sees it: on
// Ctrl+V the form may take the clipboard itself. True when the form took the
// key, so the control does not get it.
bool FormKeyDown(FormEvents& events, Key key, KeyModifiers modifiers);

}  // namespace mirlo
