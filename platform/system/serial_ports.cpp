#include "platform/system/serial_ports.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

TSerialProbe ProbeSerialPort(int number) {
    if (number < 1) return TSerialProbe::Failed;
    const std::string path = "/dev/ttyS" + std::to_string(number - 1);

    // No O_CREAT: a missing port must never turn into a new file.
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return (errno == EACCES || errno == EBUSY) ? TSerialProbe::AccessDenied : TSerialProbe::Failed;

    struct stat st {};
    const bool isDevice = ::fstat(fd, &st) == 0 && S_ISCHR(st.st_mode);
    ::close(fd);
    return isDevice ? TSerialProbe::Opened : TSerialProbe::Failed;
}
