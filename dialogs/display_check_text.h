#pragma once
// The words of "表示の確認": the strip the device reads, monitor by monitor,
// or why it reads none there, each reason followed by one line on what to do,
// as the help's troubleshooting page puts it.

#include "platform/user_text.h"
#include "stripcheck/diagnosis.h"

namespace mirlo {

extern const char kDisplayCheckCaption[];

UserText DisplayCheckText(const stripcheck::Desk& desk, const stripcheck::Diagnosis& d);

// The box's icon: information when the device can read exactly one strip,
// a warning otherwise.
unsigned DisplayCheckFlags(const stripcheck::Diagnosis& d);

}  // namespace mirlo
