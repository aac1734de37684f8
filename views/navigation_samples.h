#pragma once
// The numbers the navigation view's value labels show, as a plot follows them: each label's item
// of Group 1 or Group 2, read from the shared record when its frame has just been received.

#include "protocol/navigation_groups.h"
#include "views/Form_tarvo.h"

#include <functional>
#include <optional>

// The sample of the item label `which` shows; empty for a label that shows no single number of
// Group 1 or 2.
std::function<std::optional<double>()> NavigationSampleOf(TFormTarvo::EValue which,
                                                          CGroup1 &navigation, CGroup2 &accuracy);
