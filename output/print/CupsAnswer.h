// What CUPS answers about a print job. Qt's CUPS print engine hands the job
// over as the painter ends and drops CUPS's answer, so a job refused, or
// sent to a printer removed since it was chosen, would be lost without a
// word. libcups keeps the last answer it got in each thread, and Qt hands
// the job over in the thread that paints: asking about the printer right
// before the painting starts that answer afresh, and reading it once the
// painter has ended gives the job's.
#pragma once

#include <optional>
#include <string>

namespace brewick {

// The message for the user that the printer `name` is gone.
std::string printerGoneMessage(const std::string& name);

// Asks CUPS for the printer `name` ("queue" or "queue/instance"): gives the
// message for the user when it is not there.
std::optional<std::string> askCupsForPrinter(const std::string& name);

// CUPS's last answer in this thread, about a job for the printer `name`:
// gives the message for the user when it refused the job.
std::optional<std::string> cupsRefusal(const std::string& name);

}  // namespace brewick
