// German reasons for failed file operations, from the system's error number.
#pragma once

#include <QString>

namespace stapel {

// One sentence for the user; `systemtext` is used where no German wording is known.
QString FehlerGrund(int fehlernummer, const QString& systemtext = {});

}  // namespace stapel
