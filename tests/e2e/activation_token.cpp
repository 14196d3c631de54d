// SPDX-License-Identifier: GPL-3.0-or-later
// Asks the Wayland compositor for an activation token (xdg-activation-v1), as a launcher does
// before it starts a program, and prints it. It speaks the wire protocol itself, so the test
// machine needs neither the protocol's files nor a client library's headers.
//
//   activation_token        (WAYLAND_DISPLAY and XDG_RUNTIME_DIR name the compositor)
//
// Exit 0 with the token on standard output; 1 when there is no compositor, it offers no
// xdg-activation or it gives no token within five seconds.
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

// Object ids this client creates, in the order it creates them; 1 is the display itself.
enum : std::uint32_t { kDisplay = 1, kRegistry, kSyncDone, kActivation, kToken };

class Connection {
public:
    explicit Connection(int fd) : fd_(fd) {}
    ~Connection() { close(fd_); }

    // One request: the object, the opcode and the arguments, each a 32-bit word.
    bool Send(std::uint32_t object, std::uint16_t opcode, const std::vector<std::uint32_t>& args) {
        const auto size = static_cast<std::uint32_t>(8 + 4 * args.size());
        std::vector<std::uint32_t> words{object, size << 16 | opcode};
        words.insert(words.end(), args.begin(), args.end());
        const std::size_t bytes = 4 * words.size();
        return send(fd_, words.data(), bytes, MSG_NOSIGNAL) == static_cast<ssize_t>(bytes);
    }

    // The next event: its object, opcode and argument bytes; nothing after five seconds.
    bool Receive(std::uint32_t& object, std::uint16_t& opcode, std::string& args) {
        std::uint32_t header[2];
        if (!ReadExactly(header, sizeof header) || (header[1] >> 16) < 8)
            return false;
        object = header[0];
        opcode = static_cast<std::uint16_t>(header[1] & 0xffff);
        args.resize((header[1] >> 16) - 8);
        return ReadExactly(args.data(), args.size());
    }

private:
    bool ReadExactly(void* buffer, std::size_t size) {
        auto* bytes = static_cast<char*>(buffer);
        for (std::size_t done = 0; done < size;) {
            pollfd readable{fd_, POLLIN, 0};
            if (poll(&readable, 1, 5000) != 1)
                return false;
            const ssize_t got = read(fd_, bytes + done, size - done);
            if (got <= 0)
                return false;
            done += static_cast<std::size_t>(got);
        }
        return true;
    }

    int fd_;
};

// A string argument: its length with the terminator, then the bytes padded to whole words.
std::vector<std::uint32_t> StringWords(const std::string& text) {
    std::vector<std::uint32_t> words(1 + (text.size() + 4) / 4, 0);
    words[0] = static_cast<std::uint32_t>(text.size() + 1);
    std::memcpy(words.data() + 1, text.data(), text.size());
    return words;
}

std::optional<std::string> StringAt(const std::string& args, std::size_t offset) {
    std::uint32_t length = 0;
    if (args.size() < offset + 4)
        return std::nullopt;
    std::memcpy(&length, args.data() + offset, 4);
    if (length == 0 || args.size() < offset + 4 + length)
        return std::nullopt;
    return args.substr(offset + 4, length - 1);
}

int ConnectToCompositor() {
    const char* display = std::getenv("WAYLAND_DISPLAY");
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::string path = display != nullptr && *display != 0 ? display : "wayland-0";
    if (path.front() != '/')
        path = std::string(runtime != nullptr ? runtime : "") + "/" + path;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return -1;
    std::memcpy(address.sun_path, path.data(), path.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

// The registry's name of the compositor's xdg_activation_v1, once the globals are all listed.
std::optional<std::uint32_t> FindActivation(Connection& wayland) {
    if (!wayland.Send(kDisplay, 1, {kRegistry}) || !wayland.Send(kDisplay, 0, {kSyncDone}))
        return std::nullopt;
    std::optional<std::uint32_t> found;
    std::uint32_t object = 0;
    std::uint16_t opcode = 0;
    std::string args;
    while (wayland.Receive(object, opcode, args)) {
        if (object == kSyncDone)
            return found;
        if (object == kRegistry && opcode == 0 && StringAt(args, 4) == "xdg_activation_v1") {
            std::uint32_t name = 0;
            std::memcpy(&name, args.data(), 4);
            found = name;
        }
    }
    return std::nullopt;
}

} // namespace

int main() {
    const int fd = ConnectToCompositor();
    if (fd < 0) {
        std::fputs("activation_token: no Wayland compositor to ask\n", stderr);
        return 1;
    }
    Connection wayland(fd);
    const std::optional<std::uint32_t> activation = FindActivation(wayland);
    if (!activation) {
        std::fputs("activation_token: the compositor offers no xdg_activation_v1\n", stderr);
        return 1;
    }
    std::vector<std::uint32_t> bind{*activation};
    for (std::uint32_t word : StringWords("xdg_activation_v1"))
        bind.push_back(word);
    bind.insert(bind.end(), {1, kActivation}); // version 1, the new object
    // bind, get_activation_token, then commit the token request with nothing set.
    if (!wayland.Send(kRegistry, 0, bind) || !wayland.Send(kActivation, 1, {kToken}) ||
        !wayland.Send(kToken, 3, {}))
        return 1;
    std::uint32_t object = 0;
    std::uint16_t opcode = 0;
    std::string args;
    while (wayland.Receive(object, opcode, args)) {
        if (object == kDisplay && opcode == 0)
            break; // a protocol error
        if (object == kToken && opcode == 0) {
            if (const std::optional<std::string> token = StringAt(args, 0)) {
                std::printf("%s\n", token->c_str());
                return 0;
            }
        }
    }
    std::fputs("activation_token: the compositor gave no token\n", stderr);
    return 1;
}
