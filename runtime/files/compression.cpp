#include "files/compression.h"

#include "files/lzo_codec.h"
#include "files/lzss_codec.h"

std::size_t ZtCompression::Pack(const std::uint8_t* data, std::size_t length) {
    return Finish(mode_ == kModeLzo ? LzoPack(data, length, output_) : LzssPack(data, length, output_));
}

std::size_t ZtCompression::UnPack(const std::uint8_t* data, std::size_t length) {
    return Finish(mode_ == kModeLzo ? LzoUnpack(data, length, output_) : LzssUnpack(data, length, output_));
}

std::size_t ZtCompression::Finish(bool succeeded) {
    succeeded_ = succeeded;
    return output_.Size();
}
