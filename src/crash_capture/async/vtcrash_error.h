#pragma once

// The result of every crash-time routine. The numbers are stable: they are logged.
typedef enum {
    VTCRASH_OK = 0,
    VTCRASH_ERR_UNKNOWN = 1,
    VTCRASH_ERR_OUTPUT = 2,
    VTCRASH_ERR_NOMEM = 3,
    VTCRASH_ERR_NOTSUP = 4,
    VTCRASH_ERR_INVAL = 5,
    VTCRASH_ERR_INTERNAL = 6,
    VTCRASH_ERR_ACCESS = 7,
    VTCRASH_ERR_NOTFOUND = 8,
    VTCRASH_ERR_INVALID_DATA = 9,
} vtcrash_error_t;

// A constant text for every code; any other number gives "Unhandled error code".
const char* vtcrash_async_strerror(vtcrash_error_t error);
