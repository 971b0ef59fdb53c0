#pragma once
// Reading one evdev device: raw `struct input_event` records from a
// non-blocking descriptor, turned into the few events a tap reports.

#include <linux/input.h>
#include <unistd.h>

#include <bitset>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <optional>

#include "input/event_tap.h"

namespace tocko {

// Key codes of keys (as opposed to buttons of mice, joysticks, tablets...).
bool isEvdevKeyCode(unsigned code);
// Shift, Control, Alt, Meta, Caps Lock and Fn: pressing one alone only
// changes the modifier state, which the tap does not ask for.
bool isModifierKeyCode(unsigned code);

// Decodes one device's record stream. After SYN_DROPPED (the kernel's buffer
// overflowed) everything up to and including the next SYN_REPORT is
// discarded: the state in between is unreliable, and missed presses are not
// replayed. Only presses of non-modifier keys and of the left and right
// buttons count; a held key's auto-repeats (value 2) are reported as such so
// that the tap can drop them.
class EvdevDecoder {
public:
    std::optional<TapEvent> decode(const input_event& record);
    bool isResyncing() const { return dropping_; }

private:
    bool dropping_ = false;
    // Keys seen going down, so that a key held since before the device was
    // opened does not report a lone key-up.
    std::bitset<KEY_MAX + 1> down_;
};

class EvdevReader {
public:
    enum class Result { Drained, Gone };

    // Reads what `fd` has until it would block, handing each decoded event to
    // `sink`. Gone means end of file or a read error (`*error` = errno, 0 at
    // end of file): the device vanished or became unreadable. Records split
    // across reads are reassembled.
    template <class Sink>
    Result readAvailable(int fd, Sink&& sink, int* error = nullptr);

    EvdevDecoder& decoder() { return decoder_; }

private:
    static constexpr size_t kRecord = sizeof(input_event);
    static constexpr int kMaxReadsPerWake = 16;  // then yield to the other devices
    EvdevDecoder decoder_;
    alignas(input_event) unsigned char buffer_[kRecord * 64];
    size_t held_ = 0;  // bytes of an incomplete record at the start of buffer_
};

template <class Sink>
EvdevReader::Result EvdevReader::readAvailable(int fd, Sink&& sink, int* error) {
    for (int reads = 0; reads < kMaxReadsPerWake; ++reads) {
        const ssize_t n = ::read(fd, buffer_ + held_, sizeof buffer_ - held_);
        if (n < 0) {
            if (errno == EINTR) continue;
            if (errno == EAGAIN || errno == EWOULDBLOCK) return Result::Drained;
            if (error) *error = errno;
            return Result::Gone;
        }
        if (n == 0) {
            if (error) *error = 0;
            return Result::Gone;
        }
        const size_t total = held_ + static_cast<size_t>(n);
        size_t offset = 0;
        for (; offset + kRecord <= total; offset += kRecord) {
            input_event record;
            std::memcpy(&record, buffer_ + offset, kRecord);
            if (auto event = decoder_.decode(record)) sink(*event);
        }
        held_ = total - offset;
        if (held_ > 0) std::memmove(buffer_, buffer_ + offset, held_);
    }
    return Result::Drained;
}

}  // namespace tocko
