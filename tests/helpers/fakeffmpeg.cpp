// A stand-in for ffmpeg that does on demand what the real encoder does only by accident:
// it writes scripted diagnostic text, then exits with a code, crashes, hangs or floods.
//
// It records its arguments (one per line) in $FAKE_FFMPEG_ARGS and runs the script named by
// $FAKE_FFMPEG_SCRIPT, one command per line:
//   err TEXT          write TEXT to stderr in one write; \r \n \t \\ \xHH are escapes
//   pidfile PATH      write the process id to PATH
//   touch PATH        create PATH (an output file)
//   waitfile PATH     wait until PATH exists (lets a test decide where chunks split)
//   sleep MS          pause
//   sigterm MODE      on SIGTERM: "exit255" (what ffmpeg does), "ignore", or "default"
//   hang              wait for a signal forever
//   flood SECONDS     write diagnostic lines and progress reports as fast as possible
//   bigline BYTES     write one line of BYTES characters without a line break
//   closeerr          close stderr
//   crash SIGNAL      raise SIGNAL (number) with its default action
//   exit CODE         exit with CODE
// Without a script it prints a banner and exits with 0.
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

void writeAll(int fd, const std::string &text)
{
    const char *data = text.data();
    size_t left = text.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        data += n;
        left -= static_cast<size_t>(n);
    }
}

std::string unescape(const std::string &text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char c = text[++i];
        if (c == 'r')
            out += '\r';
        else if (c == 'n')
            out += '\n';
        else if (c == 't')
            out += '\t';
        else if (c == 'x' && i + 2 < text.size()) {
            out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else
            out += c;
    }
    return out;
}

extern "C" void exitOnTerm(int)
{
    _exit(255);
}

void flood(double seconds)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    std::string block;
    for (int i = 0; i < 200; ++i)
        block += "[mpeg4 @ 0x55d0c0ffee00] ac-tex damaged at 12 7, error while decoding MB 12 7\n";
    block += "frame=  100 fps= 50 q=2.0 size=     256kB time=00:00:04.00 bitrate= 524.3kbits/s "
             "speed=2.0x    \r";
    while (std::chrono::steady_clock::now() < end)
        writeAll(2, block);
}

} // namespace

int main(int argc, char **argv)
{
    if (const char *argsFile = std::getenv("FAKE_FFMPEG_ARGS")) {
        std::ofstream out(argsFile);
        for (int i = 1; i < argc; ++i)
            out << argv[i] << '\n';
    }
    const char *scriptFile = std::getenv("FAKE_FFMPEG_SCRIPT");
    if (!scriptFile) {
        writeAll(2, "ffmpeg version fake\n");
        return 0;
    }
    std::ifstream script(scriptFile);
    std::string line;
    while (std::getline(script, line)) {
        const size_t blank = line.find(' ');
        const std::string command = line.substr(0, blank);
        const std::string arg = blank == std::string::npos ? std::string() : line.substr(blank + 1);
        if (command == "err") {
            writeAll(2, unescape(arg));
        } else if (command == "pidfile") {
            std::ofstream(arg) << getpid() << '\n';
        } else if (command == "touch") {
            std::ofstream(arg) << "partial";
        } else if (command == "waitfile") {
            while (::access(arg.c_str(), F_OK) != 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
        } else if (command == "sleep") {
            std::this_thread::sleep_for(std::chrono::milliseconds(std::stoi(arg)));
        } else if (command == "sigterm") {
            if (arg == "exit255")
                std::signal(SIGTERM, exitOnTerm);
            else if (arg == "ignore")
                std::signal(SIGTERM, SIG_IGN);
            else
                std::signal(SIGTERM, SIG_DFL);
        } else if (command == "hang") {
            for (;;)
                ::pause();
        } else if (command == "flood") {
            flood(std::stod(arg));
        } else if (command == "bigline") {
            const std::string piece(64 * 1024, 'x');
            for (long left = std::stol(arg); left > 0; left -= static_cast<long>(piece.size()))
                writeAll(2,
                         piece.substr(0, static_cast<size_t>(std::min<long>(left, piece.size()))));
        } else if (command == "closeerr") {
            ::close(2);
        } else if (command == "crash") {
            const int sig = std::stoi(arg);
            std::signal(sig, SIG_DFL);
            std::raise(sig);
        } else if (command == "exit") {
            return std::stoi(arg);
        }
    }
    return 0;
}
