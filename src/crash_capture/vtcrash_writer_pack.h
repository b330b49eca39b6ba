#pragma once

#include <cstddef>
#include <cstdint>
#include <protobuf-c/protobuf-c.h>

#include "crash_capture/async/vtcrash_async_file.h"

// The crash log's own protobuf field encoder: crash time cannot build messages in
// memory, so nested messages are measured by a dry run of the same encoder and
// written as key, length, then body.

// The value of a BYTES field; only the low 32 bits of the length count.
struct vtcrash_writer_bytes {
    uint64_t length;
    const void* data;
};

// Encodes one field: key and value, in one write (a string's or byte string's payload
// in a second). `value` points at the scalar of the numeric types, at one bool for
// BOOL, at a NUL-terminated string for STRING, at a vtcrash_writer_bytes for BYTES and
// at the body's measured length (uint32_t) for MESSAGE, whose body the caller writes
// next. Without a file nothing is written. Returns the field's encoded size; 0 for a
// type the encoder does not know.
size_t vtcrash_writer_pack(vtcrash_async_file* file, uint32_t field_id, ProtobufCType field_type, const void* value);
