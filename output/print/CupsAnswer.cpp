#include "output/print/CupsAnswer.h"

#include <QLibrary>

#include <cups/cups.h>

namespace brewick {

namespace {
// libcups, loaded at the first print rather than with the program, as Qt's
// own printing loads it: it and the libraries it brings would add to every
// start-up. Qt's printing has loaded it by the time a job is checked.
struct Cups {
    decltype(&cupsGetNamedDest) namedDestination = nullptr;
    decltype(&cupsFreeDests) freeDestinations = nullptr;
    decltype(&cupsLastError) lastError = nullptr;
    decltype(&cupsLastErrorString) lastErrorString = nullptr;

    bool loaded() const { return namedDestination && freeDestinations && lastError && lastErrorString; }
};

template <typename Function>
void resolve(QLibrary& library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(library.resolve(name));
}

const Cups& cups()
{
    static const Cups loaded = [] {
        QLibrary library(QStringLiteral("cups"), 2);
        Cups functions;
        resolve(library, "cupsGetNamedDest", functions.namedDestination);
        resolve(library, "cupsFreeDests", functions.freeDestinations);
        resolve(library, "cupsLastError", functions.lastError);
        resolve(library, "cupsLastErrorString", functions.lastErrorString);
        return functions;
    }();
    return loaded;
}

bool succeeded(ipp_status_t status) { return status < IPP_STATUS_REDIRECTION_OTHER_SITE; }
}  // namespace

std::string printerGoneMessage(const std::string& name) { return "The printer " + name + " is no longer set up"; }

std::optional<std::string> askCupsForPrinter(const std::string& name)
{
    if (!cups().loaded())
        return std::nullopt;
    const std::size_t slash = name.find('/');
    const std::string queue = name.substr(0, slash);
    const std::string instance = slash == std::string::npos ? std::string() : name.substr(slash + 1);
    cups_dest_t* printer =
        cups().namedDestination(CUPS_HTTP_DEFAULT, queue.c_str(), instance.empty() ? nullptr : instance.c_str());
    if (printer == nullptr)
        return cupsRefusal(name).value_or(printerGoneMessage(name));
    cups().freeDestinations(1, printer);
    return std::nullopt;
}

std::optional<std::string> cupsRefusal(const std::string& name)
{
    if (!cups().loaded())
        return std::nullopt;
    const ipp_status_t status = cups().lastError();
    if (succeeded(status))
        return std::nullopt;
    if (status == IPP_STATUS_ERROR_NOT_FOUND)
        return printerGoneMessage(name);
    return "The printer " + name + " did not take the print job: " + cups().lastErrorString();
}

}  // namespace brewick
