#include "crash_capture/async/vtcrash_error.h"

const char* vtcrash_async_strerror(vtcrash_error_t error) {
    switch (error) {
    case VTCRASH_OK:
        return "No error";
    case VTCRASH_ERR_UNKNOWN:
        return "Unknown error";
    case VTCRASH_ERR_OUTPUT:
        return "Output file can not be opened (or written to)";
    case VTCRASH_ERR_NOMEM:
        return "No memory available";
    case VTCRASH_ERR_NOTSUP:
        return "Operation not supported";
    case VTCRASH_ERR_INVAL:
        return "Invalid argument";
    case VTCRASH_ERR_INTERNAL:
        return "Internal error";
    case VTCRASH_ERR_ACCESS:
        return "Access denied";
    case VTCRASH_ERR_NOTFOUND:
        return "Not found";
    case VTCRASH_ERR_INVALID_DATA:
        return "The input data is in an unknown or invalid format.";
    }
    return "Unhandled error code";
}
