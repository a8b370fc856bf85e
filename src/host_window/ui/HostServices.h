#pragma once

#include <QString>

class fHoster;

// Planning a service from the host window: the recurring-services component created by its
// programmatic identifier for one command, set up from the window by name, its dialog shown
// and what the user chose written.
namespace HostServices {

struct Outcome {
    bool result = false;  // newService's result: true only when a single service was created
    bool created = false; // whether anything was written to the plan
};

// newService for the command `id` ("ID_VK_LITURGY_CALENDAR_NEW_SERVICE" or
// "ID_VK_LITURGY_CALENDAR_RECURRING_SERVICE"), as the procedure "fHoster.newService".
Outcome newService(const fHoster& window, const QString& id);

} // namespace HostServices
