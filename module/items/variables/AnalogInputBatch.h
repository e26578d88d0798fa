// The analog input block's batch information: one 10-byte record of the
// batch, its unit procedure, operation and phase, under the write lock.
#pragma once

#include "items/variables/Variable.h"

// clang-format off
namespace variables::analog_input_batch {

constexpr Variable kRows[] = {
    {.id = item::func1_AI_batch_id,
     .label = "Batch ID  |fr|Batch ID  |it|Batch ID  |es|Batch ID",
     .help = "Identifies a certain batch to allow the assignment of equipment-related information (e.g. faults, "
             "alarms) to the batch.  "
             "|de|Kennzeichnet einen bestimmten Batch, damit gerätebezogene Informationen (z. B. Fehler, Alarme) dem "
             "Batch zugeordnet werden können.  "
             "|fr|Identifie un batch donné pour permettre l'affectation au batch des informations relatives à "
             "l'équipement (p. ex. défauts, alarmes).  "
             "|it|Identifica un determinato batch per consentire l'assegnazione al batch delle informazioni relative "
             "all'apparecchiatura (p. es. guasti, allarmi).  "
             "|es|Identifica un batch determinado para permitir la asignación al batch de la información relativa "
             "al equipo (p. ej. fallos, alarmas).",
     .size = 4,
     .defaultValue = integer(0),
     .handling = locked},
    {.id = item::func1_AI_batch_unit,
     .label = "Batch Unit  |fr|Batch Unit  |it|Batch Unit  |es|Batch Unit",
     .help = "Identifies the active control recipe unit procedure or the related unit (e.g. reactor, centrifuge, "
             "dryer).  "
             "|de|Kennzeichnet die aktive Teilrezeptprozedur des Steuerrezepts oder die zugehörige Teilanlage (z. B. "
             "Reaktor, Zentrifuge, Trockner).  "
             "|fr|Identifie la procédure d'unité active de la recette de commande ou l'unité associée (p. ex. "
             "réacteur, centrifugeuse, sécheur).  "
             "|it|Identifica la procedura di unità attiva della ricetta di controllo o l'unità associata (p. es. "
             "reattore, centrifuga, essiccatore).  "
             "|es|Identifica el procedimiento de unidad activo de la receta de control o la unidad correspondiente "
             "(p. ej. reactor, centrífuga, secador).",
     .size = 2,
     .defaultValue = integer(0),
     .handling = locked},
    {.id = item::func1_AI_batch_operation,
     .label = "Batch Operation  |fr|Batch Operation  |it|Batch Operation  |es|Batch Operation",
     .help = "Identifies the active control recipe operation.  "
             "|de|Kennzeichnet die aktive Operation des Steuerrezepts.  "
             "|fr|Identifie l'opération active de la recette de commande.  "
             "|it|Identifica l'operazione attiva della ricetta di controllo.  "
             "|es|Identifica la operación activa de la receta de control.",
     .size = 2,
     .defaultValue = integer(0),
     .handling = locked},
    {.id = item::func1_AI_batch_phase,
     .label = "Batch Phase  |fr|Batch Phase  |it|Batch Phase  |es|Batch Phase",
     .help = "Identifies the active control recipe phase.  "
             "|de|Kennzeichnet die aktive Phase des Steuerrezepts.  "
             "|fr|Identifie la phase active de la recette de commande.  "
             "|it|Identifica la fase attiva della ricetta di controllo.  "
             "|es|Identifica la fase activa de la receta de control.",
     .size = 2,
     .defaultValue = integer(0),
     .handling = locked},
};

}  // namespace variables::analog_input_batch
