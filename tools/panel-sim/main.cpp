// panel-sim: plays the fire-alarm panel on a pseudo-terminal or a serial device.

#include "PanelSim.h"

#include "core/model/Version.h"
#include "core/storage/ConfigFile.h"
#include "core/storage/FileWords.h"

#include <QByteArray>
#include <QString>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <optional>
#include <string>

#include <fcntl.h>
#include <poll.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// One byte of 8N1 at 9600 baud: ten bit times.
constexpr auto kByteTime = std::chrono::nanoseconds(1'000'000'000LL * 10 / 9600);
// A transfer that stalls this long is over; the tool will start afresh.
constexpr auto kResyncGap = 3s;

int g_signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char c = 's';
    [[maybe_unused]] auto n = ::write(g_signalPipe[1], &c, 1);
}

struct Options {
    int mcu = 20;
    int loops = 4;
    std::string link;
    std::string port;
    std::string load;
    std::string save;
    bool paced = false;
    long silentAfter = -1;
    long adapterLatencyMs = 0;
    int differentLoop = 0, differentAddress = 0;
    std::string trace;
};

const char kUsage[] = "usage: panel-sim [--mcu 12|15|20] [--loops 2|4] [--link PATH | --port DEVICE]\n"
                      "                 [--load FILE.dvk] [--save FILE.dvk] [--paced] [--silent-after N]\n"
                      "                 [--adapter-latency MS] [--store-different LOOP.ADDRESS] [--trace FILE]\n";

[[noreturn]] void usage(const char *why)
{
    if (why)
        std::fprintf(stderr, "panel-sim: %s\n", why);
    std::fputs(kUsage, stderr);
    std::exit(2);
}

[[noreturn]] void help()
{
    std::printf("%s\n"
                "Plays the fire-alarm control panel for vazconfig on a pseudo-terminal or a serial device,\n"
                "one transfer after another until Ctrl-C or SIGTERM.\n\n"
                "Options:\n"
                "  --link PATH        create a pseudo-terminal, make PATH a link to it and print the device\n"
                "  --port DEVICE      use a real serial device instead (the other end of a null-modem cable)\n"
                "  --mcu 12|15|20     the firmware version played (default 20)\n"
                "  --loops 2|4        the loop count a download reports (default 4)\n"
                "  --load FILE.dvk    fill the panel's memory from a configuration file\n"
                "  --save FILE.dvk    write the memory as a configuration file after every completed upload\n"
                "  --paced            hold every byte, both ways, to real 9600-baud timing\n"
                "  --silent-after N   stop answering after N acknowledgements or fields\n"
                "  --adapter-latency MS  hold each reply as a USB adapter's latency timer of MS does\n"
                "  --store-different LOOP.ADDRESS  keep that device's location text otherwise than\n"
                "                     received (\"?\" added), as a failing memory would\n"
                "  --trace FILE       log every byte with its time and direction\n"
                "  -h, --help         print this help\n"
                "  --version          print the version\n",
                kUsage);
    std::exit(0);
}

Options parse(int argc, char **argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                usage((a + " needs a value").c_str());
            return argv[++i];
        };
        if (a == "--mcu") {
            const std::string v = value();
            if (v != "12" && v != "15" && v != "20")
                usage("--mcu takes 12, 15 or 20");
            o.mcu = std::stoi(v);
        } else if (a == "--loops") {
            const std::string v = value();
            if (v != "2" && v != "4")
                usage("--loops takes 2 or 4");
            o.loops = std::stoi(v);
        } else if (a == "--link") {
            o.link = value();
        } else if (a == "--port") {
            o.port = value();
        } else if (a == "--load") {
            o.load = value();
        } else if (a == "--save") {
            o.save = value();
        } else if (a == "--paced") {
            o.paced = true;
        } else if (a == "--silent-after") {
            const std::string v = value();
            char *end = nullptr;
            o.silentAfter = std::strtol(v.c_str(), &end, 10);
            if (v.empty() || *end || o.silentAfter < 0)
                usage("--silent-after takes a whole number of 0 or more");
        } else if (a == "--adapter-latency") {
            const std::string v = value();
            char *end = nullptr;
            o.adapterLatencyMs = std::strtol(v.c_str(), &end, 10);
            if (v.empty() || *end || o.adapterLatencyMs < 0 || o.adapterLatencyMs > 1000)
                usage("--adapter-latency takes milliseconds from 0 to 1000");
        } else if (a == "--store-different") {
            const std::string v = value();
            int used = 0;
            if (std::sscanf(v.c_str(), "%d.%d%n", &o.differentLoop, &o.differentAddress, &used) != 2 ||
                used != int(v.size()) || o.differentLoop < 1 || o.differentLoop > 4 || o.differentAddress < 1 ||
                o.differentAddress > 127)
                usage("--store-different takes LOOP.ADDRESS, such as 2.45");
        } else if (a == "--trace") {
            o.trace = value();
        } else if (a == "--help" || a == "-h") {
            help();
        } else if (a == "--version") {
            std::printf("panel-sim %s\n", vaz::kVersionText);
            std::exit(0);
        } else {
            usage(("unknown option " + a).c_str());
        }
    }
    if (!o.link.empty() && !o.port.empty())
        usage("--link and --port exclude each other");
    if (o.link.empty() && o.port.empty())
        usage("give --link PATH or --port DEVICE");
    return o;
}

void makeRaw(int fd, bool setSpeed)
{
    termios t{};
    if (tcgetattr(fd, &t) != 0)
        return;
    cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cflag &= ~(CSTOPB | PARENB | CRTSCTS);
    if (setSpeed) {
        cfsetispeed(&t, B9600);
        cfsetospeed(&t, B9600);
    }
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
    tcsetattr(fd, TCSANOW, &t);
}

struct Timed {
    Clock::time_point at;
    char byte;
};

class Tracer {
public:
    explicit Tracer(const std::string &path) : start_(Clock::now())
    {
        if (!path.empty() && !(file_ = std::fopen(path.c_str(), "w"))) {
            std::fprintf(stderr, "panel-sim: cannot write %s: %s\n", path.c_str(), std::strerror(errno));
            std::exit(1);
        }
    }
    ~Tracer()
    {
        if (file_)
            std::fclose(file_);
    }
    // "<seconds> <tool>panel | panel>tool> <hex> <character>"
    void byte(const char *direction, char c)
    {
        if (!file_)
            return;
        const double s = std::chrono::duration<double>(Clock::now() - start_).count();
        const unsigned char u = static_cast<unsigned char>(c);
        std::fprintf(file_, "%12.6f %s %02X %c\n", s, direction, u, u >= 0x20 && u < 0x7f ? c : '.');
        std::fflush(file_);
    }

private:
    Clock::time_point start_;
    std::FILE *file_ = nullptr;
};

}  // namespace

int main(int argc, char **argv)
{
    const Options opt = parse(argc, argv);

    vaz::sim::PanelSim panel(opt.mcu, opt.loops);
    panel.setSilentAfter(opt.silentAfter);
    panel.setStoreDifferent(opt.differentLoop, opt.differentAddress);

    if (!opt.load.empty()) {
        vaz::Config cfg;
        cfg.McuVersiyon = opt.mcu;
        const auto r = vaz::storage::DosyadanVerileriOku(cfg, QString::fromLocal8Bit(opt.load.c_str()));
        if (r.status != vaz::storage::ReadStatus::Ok) {
            std::fprintf(stderr, "panel-sim: cannot load %s: %s\n", opt.load.c_str(),
                         qPrintable(vaz::storage::readText(r)));
            return 1;
        }
        panel.memory() = vaz::sim::memoryFromConfig(cfg);
    }

    int fd = -1;
    int slave = -1;  // held open so the line survives the tool closing its end
    std::string device;
    if (!opt.link.empty()) {
        fd = posix_openpt(O_RDWR | O_NOCTTY);
        if (fd < 0 || grantpt(fd) != 0 || unlockpt(fd) != 0) {
            std::fprintf(stderr, "panel-sim: cannot create a pseudo-terminal: %s\n", std::strerror(errno));
            return 1;
        }
        device = ptsname(fd);
        slave = ::open(device.c_str(), O_RDWR | O_NOCTTY);
        if (slave >= 0)
            makeRaw(slave, false);
        struct stat st {};
        if (lstat(opt.link.c_str(), &st) == 0) {
            if (!S_ISLNK(st.st_mode)) {
                std::fprintf(stderr, "panel-sim: %s exists and is not a link\n", opt.link.c_str());
                return 1;
            }
            ::unlink(opt.link.c_str());
        }
        if (symlink(device.c_str(), opt.link.c_str()) != 0) {
            std::fprintf(stderr, "panel-sim: cannot link %s: %s\n", opt.link.c_str(), std::strerror(errno));
            return 1;
        }
    } else {
        device = opt.port;
        fd = ::open(device.c_str(), O_RDWR | O_NOCTTY);
        if (fd < 0) {
            std::fprintf(stderr, "panel-sim: cannot open %s: %s\n", device.c_str(), std::strerror(errno));
            return 1;
        }
        makeRaw(fd, true);
    }

    if (pipe(g_signalPipe) != 0)
        return 1;
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

#ifdef __linux__
    // Paced bytes are due every 1.04 ms; the default 50 us slack on each wake-up
    // would add up to a clearly slower line than the one being played.
    if (opt.paced)
        prctl(PR_SET_TIMERSLACK, 1UL, 0, 0, 0);
#endif
    Tracer tracer(opt.trace);
    int uploads = 0, downloads = 0;
    panel.onUploadComplete = [&] {
        ++uploads;
        std::fprintf(stderr, "panel-sim: upload %d received\n", uploads);
        if (opt.save.empty())
            return;
        vaz::Config cfg;
        QString why;
        if (!vaz::sim::configFromMemory(panel.memory(), opt.mcu, opt.loops, cfg, &why)) {
            std::fprintf(stderr, "panel-sim: not saved: %s\n", qPrintable(why));
            return;
        }
        const auto r = vaz::storage::GirisVerileriniKaydet(cfg, QString::fromLocal8Bit(opt.save.c_str()));
        if (!r.ok)
            std::fprintf(stderr, "panel-sim: not saved: %s\n", qPrintable(r.message));
    };
    panel.onDownloadComplete = [&] {
        ++downloads;
        std::fprintf(stderr, "panel-sim: download %d sent\n", downloads);
    };

    std::printf("%s\n", device.c_str());
    std::fflush(stdout);

    // A USB adapter hands what it received to the computer only when its latency
    // timer runs out; the timer runs on whether bytes came or not.
    const Clock::time_point adapterStart = Clock::now();
    const auto adapterPeriod =
        std::chrono::duration_cast<Clock::duration>(std::chrono::milliseconds(opt.adapterLatencyMs));
    auto delivered = [&](Clock::time_point t) {
        if (adapterPeriod <= Clock::duration::zero() || t <= adapterStart)
            return t;
        return adapterStart + ((t - adapterStart + adapterPeriod - Clock::duration(1)) / adapterPeriod) * adapterPeriod;
    };

    std::deque<Timed> in, out;
    Clock::time_point lastIn{}, lastOut{}, lastActivity = Clock::now();
    bool running = true;
    while (running) {
        auto now = Clock::now();
        while (!in.empty() && in.front().at <= now) {
            const Clock::time_point arrived = in.front().at;
            const QByteArray answer = panel.feed(in.front().byte);
            in.pop_front();
            for (char c : answer) {
                // A byte starts when the line is free and reaches the tool a byte time later.
                lastOut = opt.paced ? std::max(arrived, lastOut) + kByteTime : now;
                out.push_back({delivered(lastOut), c});
            }
        }
        QByteArray chunk;
        while (!out.empty() && out.front().at <= now) {
            chunk.append(out.front().byte);
            out.pop_front();
        }
        for (qsizetype done = 0; done < chunk.size();) {
            const ssize_t n = ::write(fd, chunk.constData() + done, chunk.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                break;
            for (ssize_t i = 0; i < n; ++i)
                tracer.byte("panel>tool", chunk[done + i]);
            done += n;
        }

        // Waits to the nanosecond: poll's whole milliseconds would stretch every 1.04 ms byte.
        std::optional<Clock::duration> timeout;
        auto until = [&](Clock::time_point t) {
            const Clock::duration v = std::max<Clock::duration>(Clock::duration::zero(), t - now);
            timeout = timeout ? std::min(*timeout, v) : v;
        };
        if (!in.empty())
            until(in.front().at);
        if (!out.empty())
            until(out.front().at);
        if (!panel.idle())
            until(lastActivity + kResyncGap);

        pollfd fds[2] = {{fd, POLLIN, 0}, {g_signalPipe[0], POLLIN, 0}};
        timespec ts{};
        if (timeout) {
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(*timeout).count();
            ts.tv_sec = ns / 1'000'000'000;
            ts.tv_nsec = ns % 1'000'000'000;
        }
        const int r = ppoll(fds, 2, timeout ? &ts : nullptr, nullptr);
        if (r < 0 && errno != EINTR)
            break;
        now = Clock::now();
        if (fds[1].revents & POLLIN)
            running = false;
        if (fds[0].revents & POLLIN) {
            char buf[4096];
            const ssize_t n = ::read(fd, buf, sizeof buf);
            if (n > 0) {
                lastActivity = now;
                for (ssize_t i = 0; i < n; ++i) {
                    tracer.byte("tool>panel", buf[i]);
                    // Whole on this side only a byte time after the line was free to carry it.
                    lastIn = opt.paced ? std::max(now, lastIn) + kByteTime : now;
                    in.push_back({lastIn, buf[i]});
                }
            }
        } else if (fds[0].revents & (POLLHUP | POLLERR)) {
            if (slave < 0) {
                std::fprintf(stderr, "panel-sim: the line was closed\n");
                break;
            }
        }
        if (!panel.idle() && in.empty() && now - lastActivity >= kResyncGap) {
            panel.reset();
            if (slave >= 0)
                tcflush(slave, TCIFLUSH);  // what the tool never read would confuse the next transfer
            lastActivity = now;
        }
    }

    if (!opt.link.empty())
        ::unlink(opt.link.c_str());
    if (slave >= 0)
        ::close(slave);
    ::close(fd);
    return 0;
}
