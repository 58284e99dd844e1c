#include "app/services.h"

#include "platform/messageboxes.h"

Services systemServices()
{
    static platform::QtMessageBoxes messages;
    Services s;
    s.messages = &messages;
    return s;
}
