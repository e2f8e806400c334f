// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <array>
#include <string_view>

// What each item of the form's five choice lists means, in the order the lists show them.
// The items themselves are in the form; nothing else in the program knows an index number.
namespace Choices {

struct VideoCodec
{
    std::string_view item;
    std::string_view encoder;   // the value of "-vcodec"
    std::string_view extension; // of the output file; empty: the input file's own
};

inline constexpr std::array videoCodecs{
    VideoCodec{"copy", "copy", ""},
    VideoCodec{"huffyuv", "huffyuv", ".avi"},
    VideoCodec{"mjpeg", "mjpeg", ".avi"},
    VideoCodec{"mpeg1video", "mpeg1video", ".mpg"},
    VideoCodec{"mpeg2video", "mpeg2video", ".mpg"},
    VideoCodec{"mpeg4", "mpeg4", ".mp4"},
    VideoCodec{"flv", "flv", ".flv"},
    VideoCodec{"h264", "libx264", ".mp4"},
    VideoCodec{"hevc", "libx265", ".mp4"},
    VideoCodec{"vp9", "libvpx-vp9", ".webm"},
    VideoCodec{"av1", "libsvtav1", ".mp4"},
};

struct AudioCodec
{
    std::string_view item;
    std::string_view encoder; // the value of "-acodec"
    bool bitrate;             // "-ab" applies
    bool channels;            // "-ac" applies
};

// clang-format off
inline constexpr std::array audioCodecs{
    AudioCodec{"copy", "copy", false, false},
    AudioCodec{"wav", "pcm_s16le", false, true},
    AudioCodec{"mp3", "libmp3lame", true, true},
    AudioCodec{"mp2", "mp2", true, true},
    AudioCodec{"ac3", "ac3", true, true},
    AudioCodec{"aac", "aac", true, true},
    AudioCodec{"opus", "libopus", true, true},
};
// clang-format on

// These lists pass their item text on unchanged.
inline constexpr std::array<std::string_view, 3> frameRates{"30", "25", "24"};
inline constexpr std::array<std::string_view, 2> aspects{"4:3", "16:9"};
inline constexpr std::array<std::string_view, 5> audioBitrates{"256k", "224k", "192k", "128k",
                                                               "64k"};

// The position of `item` in `list`; -1 when it is not there.
template<typename List, typename Item> constexpr int indexOf(const List &list, Item item)
{
    for (int i = 0; i < static_cast<int>(list.size()); ++i) {
        if constexpr (requires { list[i].item; }) {
            if (list[i].item == item)
                return i;
        } else if (list[i] == item) {
            return i;
        }
    }
    return -1;
}

// The entry at `index`, or the first one ("copy") for an index outside the list.
template<typename List>
constexpr const typename List::value_type &entry(const List &list, int index)
{
    return list[index >= 0 && index < static_cast<int>(list.size()) ? index : 0];
}
constexpr const VideoCodec &videoCodec(int index)
{
    return entry(videoCodecs, index);
}
constexpr const AudioCodec &audioCodec(int index)
{
    return entry(audioCodecs, index);
}

// The video codec passes the input's video stream on without encoding it.
constexpr bool copiesVideo(int index)
{
    return videoCodec(index).encoder == "copy";
}

inline QString text(std::string_view value)
{
    return QString::fromLatin1(value.data(), static_cast<qsizetype>(value.size()));
}

// What the PAL-DVD target sets.
namespace PalDvd {
inline constexpr int width = 720;
inline constexpr int height = 576;
inline constexpr int videoCodec = indexOf(videoCodecs, "mpeg2video");
inline constexpr int frameRate = indexOf(frameRates, "25");
inline constexpr int audioCodec = indexOf(audioCodecs, "ac3");
} // namespace PalDvd

} // namespace Choices
