#include "TrelvoApplication.h"

#include "clsVxException.h"

#include <cstdio>
#include <stdexcept>

namespace {

void Report(QObject *receiver, const std::exception &error)
{
    try {
        VxException().HandleException(receiver, error);
    } catch (const std::exception &failure) {
        // The report itself failed; the event loop must go on all the same.
        std::fprintf(stderr, "Error report failed: %s (reporting: %s)\n", failure.what(), error.what());
    } catch (...) {
        std::fprintf(stderr, "Error report failed (reporting: %s)\n", error.what());
    }
}

} // namespace

TTrelvoApplication::TTrelvoApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool TTrelvoApplication::notify(QObject *receiver, QEvent *event)
{
    return Deliver(receiver, [&] { return QApplication::notify(receiver, event); });
}

bool TTrelvoApplication::Deliver(QObject *receiver, const std::function<bool()> &delivery)
{
    try {
        return delivery();
    } catch (const std::exception &error) {
        Report(receiver, error);
    } catch (...) {
        Report(receiver, std::runtime_error("An exception of an unknown kind"));
    }
    return false;
}
