#pragma once

#include "core/secret_text.h"
#include "ui/framework/data_exchange.h"

namespace tessaly {

// DataExchange::Text for a secret (the password): the same exchange, through
// buffers that are wiped.
void ExchangeSecret(ui::DataExchange& dx, int controlId, SecretText& member);

}  // namespace tessaly
