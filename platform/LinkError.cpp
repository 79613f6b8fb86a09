#include "platform/LinkError.h"

std::string_view ToString(LinkError error)
{
    switch (error) {
    case LinkError::None: return "none";
    case LinkError::TimedOut: return "timed out";
    case LinkError::Refused: return "refused";
    case LinkError::Malformed: return "malformed";
    case LinkError::Closed: return "closed";
    case LinkError::AccessDenied: return "access denied";
    case LinkError::Busy: return "busy";
    case LinkError::NotFound: return "not found";
    case LinkError::BadAddress: return "bad address";
    case LinkError::Unreachable: return "unreachable";
    case LinkError::IoError: return "i/o error";
    }
    return "unknown";
}
