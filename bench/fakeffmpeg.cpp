// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A stand-in for ffmpeg for the benchmarks: it floods stderr as fast as it can write.
// It writes its arguments, one per line, to $FAKE_FFMPEG_ARGS and runs the script named by
// $FAKE_FFMPEG_SCRIPT, one command per line:
//   err TEXT        write TEXT to stderr in one write (escapes: \r \n \xHH)
//   pidfile PATH    write the process id to PATH
//   waitfile PATH   wait until PATH exists (lets a test decide where chunks split)
//   sleep MS        pause
//   sigterm MODE    on SIGTERM: "exit255" (what ffmpeg does), "ignore", or "default"
//   hang            wait for a signal forever
//   flood SECONDS   write diagnostic lines and progress reports as fast as possible
//   crash SIGNAL    raise SIGNAL (number) with its default action
//   output          write a byte to the output file (the last argument), as a real job would
//   exit CODE       exit with CODE
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <unistd.h>

using namespace std::chrono;

static void writeAll(const std::string &text)
{
    for (size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(2, text.data() + done, text.size() - done);
        if (n < 0 && errno != EINTR)
            return;
        done += n > 0 ? size_t(n) : 0;
    }
}

extern "C" void exitOnTerm(int)
{
    _exit(255);
}

int main(int argc, char **argv)
{
    std::ofstream args(std::getenv("FAKE_FFMPEG_ARGS") ? std::getenv("FAKE_FFMPEG_ARGS") : "");
    for (int i = 1; i < argc; ++i)
        args << argv[i] << '\n';
    args.close();
    std::ifstream script(std::getenv("FAKE_FFMPEG_SCRIPT") ? std::getenv("FAKE_FFMPEG_SCRIPT")
                                                           : "");
    for (std::string line; std::getline(script, line);) {
        const std::string command = line.substr(0, line.find(' '));
        const std::string arg = line.substr(std::min(line.size(), command.size() + 1));
        if (command == "err") {
            std::string text;
            for (size_t i = 0; i < arg.size(); ++i) {
                const char c = arg[i] == '\\' && i + 1 < arg.size() ? arg[++i] : 0;
                if (c == 'x')
                    text += char(std::stoi(arg.substr(i + 1, 2), nullptr, 16)), i += 2;
                else
                    text += c == 'r' ? '\r' : c == 'n' ? '\n' : c ? c : arg[i];
            }
            writeAll(text);
        } else if (command == "pidfile") {
            std::ofstream(arg) << getpid() << '\n';
        } else if (command == "waitfile") {
            while (::access(arg.c_str(), F_OK) != 0)
                std::this_thread::sleep_for(5ms);
        } else if (command == "sleep") {
            std::this_thread::sleep_for(milliseconds(std::stoi(arg)));
        } else if (command == "sigterm") {
            std::signal(SIGTERM,
                        arg == "exit255"      ? exitOnTerm
                            : arg == "ignore" ? SIG_IGN
                                              : SIG_DFL);
        } else if (command == "hang") {
            for (;;)
                ::pause();
        } else if (command == "flood") {
            std::string block(200 * 64, 'x');
            for (size_t i = 63; i < block.size(); i += 64)
                block[i] = '\n';
            block += "frame=  100 fps= 50 q=2.0 size=   256kB time=00:00:04.00 speed=2.0x    \r";
            for (const auto end = steady_clock::now() + duration<double>(std::stod(arg));
                 steady_clock::now() < end;)
                writeAll(block);
        } else if (command == "crash") {
            std::signal(std::stoi(arg), SIG_DFL);
            std::raise(std::stoi(arg));
        } else if (command == "output" && argc > 1) {
            std::ofstream(argv[argc - 1]) << 'x';
        } else if (command == "exit") {
            return std::stoi(arg);
        }
    }
    return 0;
}
