// The standard parameters that open each of the three blocks: the plain fields
// of the block header, the static revision, the transducer block's tag, the
// strategy and the alert key. The same parameter has the same texts in every
// block.
#pragma once

#include "items/Texts.h"
#include "items/variables/Variable.h"

// clang-format off
namespace variables::block_headers {

constexpr const char* kReservedLabel =
    "Reserved Profile Parameter  |de|Reservierter Profilparameter  |fr|Paramètre de profil réservé  "
    "|it|Parametro di profilo riservato  |es|Parámetro de perfil reservado";
constexpr const char* kReservedHelp =
    "Parameter is reserved and contains no relevant data.  "
    "|de|Der Parameter ist reserviert und enthält keine relevanten Daten.  "
    "|fr|Le paramètre est réservé et ne contient aucune donnée significative.  "
    "|it|Il parametro è riservato e non contiene dati rilevanti.  "
    "|es|El parámetro está reservado y no contiene datos relevantes.";

constexpr const char* kDdReferenceLabel =
    "DD Reference  |de|DD-Referenz  |fr|Référence DD  |it|Referenza DD  |es|Referencia DD";
constexpr const char* kDdReferenceHelp =
    "The DD Reference consists of the Manufacturer Code, the Device Type,   the Device Revision and the Revision "
    "of the Device Description.  "
    "|de|Die DD-Referenz besteht aus dem Herstellercode, dem Gerätetyp, der Geräterevision und der Revision der "
    "Gerätebeschreibung.  "
    "|fr|La référence DD se compose du code du fabricant, du type d'appareil, de la révision de l'appareil et de "
    "la révision de la description d'appareil.  "
    "|it|La referenza DD è composta dal codice del costruttore, dal tipo di apparecchio, dalla revisione "
    "dell'apparecchio e dalla revisione della descrizione dell'apparecchio.  "
    "|es|La referencia DD se compone del código del fabricante, el tipo de equipo, la revisión del equipo y la "
    "revisión de la descripción del equipo.";

constexpr const char* kDdRevisionLabel =
    "DD Revision  |de|DD-Revision  |fr|Révision DD  |it|Revisione DD  |es|Revisión DD ";
constexpr const char* kDdRevisionHelp =
    "Revision of the Device Description (e.g. modified menu structure,   this is not the Device Revision). There "
    "is only one DD Revision per   Device Type and per Device Revision in a Host.  "
    "|de|Revision der Gerätebeschreibung (z. B. geänderte Menüstruktur, dies ist nicht die Geräterevision). In "
    "einem Host gibt es je Gerätetyp und je Geräterevision nur eine DD-Revision.  "
    "|fr|Révision de la description d'appareil (p. ex. structure de menus modifiée, il ne s'agit pas de la "
    "révision de l'appareil). Dans un hôte, il n'existe qu'une seule révision DD par type d'appareil et par "
    "révision d'appareil.  "
    "|it|Revisione della descrizione dell'apparecchio (p. es. struttura dei menu modificata, non si tratta della "
    "revisione dell'apparecchio). In un host esiste una sola revisione DD per tipo di apparecchio e per revisione "
    "dell'apparecchio.  "
    "|es|Revisión de la descripción del equipo (p. ej. estructura de menús modificada, no se trata de la revisión "
    "del equipo). En un host solo existe una revisión DD por tipo de equipo y por revisión del equipo.";

constexpr const char* kExecutionTimeLabel =
    "Execution Time  |de|Ausführungszeit  |fr|Temps d'exécution  |it|Tempo di esecuzione  |es|Periodo de ejecución";
constexpr const char* kExecutionTimeHelp =
    "Parameter is reserved for future use and contains no relevant data.  "
    "|de|Der Parameter ist für künftige Verwendung reserviert und enthält keine relevanten Daten.  "
    "|fr|Le paramètre est réservé à un usage futur et ne contient aucune donnée significative.  "
    "|it|Il parametro è riservato per usi futuri e non contiene dati rilevanti.  "
    "|es|El parámetro está reservado para uso futuro y no contiene datos relevantes.";

constexpr const char* kHighestRelOffsetLabel =
    "No. of Parameters  |de|Anzahl Parameter  |fr|Nombre de paramètres  |it|Numero parametri  "
    "|es|Número de parámetros";
constexpr const char* kHighestRelOffsetHelp =
    "Number of used indices (parameters) of a block including the non-implemented   optional parameters. HIGH "
    "BYTE = highest index, LOW BYTE = highest offset.  "
    "|de|Anzahl der belegten Indizes (Parameter) eines Blocks einschließlich der nicht implementierten "
    "optionalen Parameter. HIGH BYTE = höchster Index, LOW BYTE = höchster Offset.  "
    "|fr|Nombre d'index (paramètres) utilisés d'un bloc, y compris les paramètres optionnels non implémentés. "
    "HIGH BYTE = index le plus élevé, LOW BYTE = offset le plus élevé.  "
    "|it|Numero degli indici (parametri) utilizzati di un blocco, compresi i parametri opzionali non "
    "implementati. HIGH BYTE = indice più alto, LOW BYTE = offset più alto.  "
    "|es|Número de índices (parámetros) utilizados de un bloque, incluidos los parámetros opcionales no "
    "implementados. HIGH BYTE = índice más alto, LOW BYTE = offset más alto.";

constexpr const char* kNumParametersLabel =
    "No. of Parameters  |de|Anzahl Parameter  |fr|Nombre de paramètres  |it|Numero parametri  "
    "|es|Cantidad de parámetros";
constexpr const char* kNumParametersHelp =
    "Number of used indices (parameters) of a block including the non-implemented   optional parameters.  "
    "|de|Anzahl der belegten Indizes (Parameter) eines Blocks einschließlich der nicht implementierten "
    "optionalen Parameter.  "
    "|fr|Nombre d'index (paramètres) utilisés d'un bloc, y compris les paramètres optionnels non implémentés.  "
    "|it|Numero degli indici (parametri) utilizzati di un blocco, compresi i parametri opzionali non "
    "implementati.  "
    "|es|Número de índices (parámetros) utilizados de un bloque, incluidos los parámetros opcionales no "
    "implementados.";

constexpr const char* kIndexView1Label =
    "Index of View_1  |de|Index of View_1  |fr|Index de visualisation_1  |it|Indice di visualizzazione_1  "
    "|es|Índice de View_1";
constexpr const char* kIndexView1Help =
    "The index of the View 1.  "
    "|de|Der Index der View 1.  "
    "|fr|L'index de la visualisation 1.  "
    "|it|L'indice della visualizzazione 1.  "
    "|es|El índice de la View 1.";

constexpr const char* kNumViewListsLabel =
    "Number of View Lists  |de|Anzahl View-Listen  |fr|Nombre de listes de visualisation  "
    "|it|Numero di liste di visualizzazione  |es|Número de listas de View";
constexpr const char* kNumViewListsHelp =
    "Number of view lists defined in a block.  "
    "|de|Anzahl der in einem Block definierten View-Listen.  "
    "|fr|Nombre de listes de visualisation définies dans un bloc.  "
    "|it|Numero di liste di visualizzazione definite in un blocco.  "
    "|es|Número de listas de View definidas en un bloque.";

constexpr const char* kStaticRevisionLabel =
    "Static Revision No.  |de|Statische Rev.-Nr.  |fr|N° de révision statique  |it|N° di revisione statica  "
    "|es|Revisión estática n°";
constexpr const char* kStaticRevisionHelp =
    "The revision level of the static data associated with the block.   The Static Revision No. is changed by "
    "the device each time data are   written to the static parameter.  "
    "|de|Der Revisionsstand der statischen Daten des Blocks. Die statische Revisionsnummer wird vom Gerät bei "
    "jedem Schreiben eines statischen Parameters geändert.  "
    "|fr|Le niveau de révision des données statiques associées au bloc. Le n° de révision statique est modifié "
    "par l'appareil à chaque écriture d'un paramètre statique.  "
    "|it|Il livello di revisione dei dati statici associati al blocco. Il n° di revisione statica viene "
    "modificato dall'apparecchio ogni volta che vengono scritti dati in un parametro statico.  "
    "|es|El nivel de revisión de los datos estáticos asociados al bloque. El n° de revisión estática lo modifica "
    "el equipo cada vez que se escriben datos en un parámetro estático.";

constexpr const char* kStrategyLabel =
    "Strategy  |de|Strategie  |fr|Stratégie  |it|Strategia  |es|Estrategia";
constexpr const char* kStrategyHelp =
    "The strategy field can be used to help group blocks. These data are   not checked or processed by the "
    "block.  "
    "|de|Das Feld Strategie kann zur Gruppierung von Blöcken verwendet werden. Diese Daten werden vom Block "
    "weder geprüft noch verarbeitet.  "
    "|fr|Le champ stratégie peut servir à grouper des blocs. Ces données ne sont ni vérifiées ni traitées par le "
    "bloc.  "
    "|it|Il campo strategia può essere utilizzato per raggruppare i blocchi. Questi dati non vengono né "
    "verificati né elaborati dal blocco.  "
    "|es|El campo estrategia puede utilizarse para agrupar bloques. Estos datos no son comprobados ni "
    "procesados por el bloque.";

constexpr const char* kAlertKeyLabel =
    "Alert Key  |de|Alarmschlüssel  |fr|Clé d'alarme  |it|Chiave di allarme  |es|Clave de alarma";
constexpr const char* kAlertKeyHelp =
    "The alert parameter (0 - 255) has a user-assigned value which may   be used in sorting alarms or events "
    "generated by a block.  "
    "|de|Der Alarmparameter (0 - 255) enthält einen vom Anwender vergebenen Wert, nach dem die von einem Block "
    "erzeugten Alarme oder Ereignisse sortiert werden können.  "
    "|fr|Le paramètre d'alarme (0 - 255) contient une valeur attribuée par l'utilisateur qui peut servir à trier "
    "les alarmes ou événements générés par un bloc.  "
    "|it|Il parametro di allarme (0 - 255) contiene un valore assegnato dall'utente che può essere utilizzato "
    "per ordinare gli allarmi o gli eventi generati da un blocco.  "
    "|es|El parámetro de alarma (0 - 255) contiene un valor asignado por el usuario que puede utilizarse para "
    "clasificar las alarmas o eventos generados por un bloque.";

constexpr Variable kRows[] = {
    // Transducer block.
    {.id = item::trans1_blk_reserve, .label = kReservedLabel, .help = kReservedHelp, .size = 1, .handling = read},
    {.id = item::trans1_blk_dd_reference,
     .label = kDdReferenceLabel,
     .help = kDdReferenceHelp,
     .size = 4,
     .handling = read},
    {.id = item::trans1_blk_dd_rev, .label = kDdRevisionLabel, .help = kDdRevisionHelp, .size = 2, .handling = read},
    {.id = item::trans1_blk_execution_time,
     .label = kExecutionTimeLabel,
     .help = kExecutionTimeHelp,
     .size = 1,
     .handling = read},
    // Tenth field of this block's header record, in place of the number of
    // parameters.
    {.id = item::trans1_blk_highest_rel_offset,
     .label = kHighestRelOffsetLabel,
     .help = kHighestRelOffsetHelp,
     .size = 2,
     .handling = read},
    {.id = item::trans1_blk_num_parameters,
     .label = kNumParametersLabel,
     .help = kNumParametersHelp,
     .size = 2,
     .handling = read},
    {.id = item::trans1_blk_index_view_1,
     .label = kIndexView1Label,
     .help = kIndexView1Help,
     .size = 2,
     .handling = read},
    {.id = item::trans1_blk_num_view_lists,
     .label = kNumViewListsLabel,
     .help = kNumViewListsHelp,
     .size = 1,
     .handling = read},
    {.id = item::trans1_st_rev,
     .label = kStaticRevisionLabel,
     .help = kStaticRevisionHelp,
     .size = 2,
     .defaultValue = integer(0),
     .handling = read},
    // Unlike the other two blocks' tags, not under the write lock.
    {.id = item::trans1_tag_desc, .label = texts::kTag, .help = texts::kTagHelp, .size = 32, .handling = readWrite},
    {.id = item::trans1_strategy, .label = kStrategyLabel, .help = kStrategyHelp, .size = 2, .handling = readWrite},
    {.id = item::trans1_alert_key, .label = kAlertKeyLabel, .help = kAlertKeyHelp, .size = 1, .handling = readWrite},

    // Physical block.
    {.id = item::phys_blk_reserve, .label = kReservedLabel, .help = kReservedHelp, .size = 1, .handling = read},
    {.id = item::phys_blk_dd_reference,
     .label = kDdReferenceLabel,
     .help = kDdReferenceHelp,
     .size = 4,
     .handling = read},
    {.id = item::phys_blk_dd_rev, .label = kDdRevisionLabel, .help = kDdRevisionHelp, .size = 2, .handling = read},
    {.id = item::phys_blk_execution_time,
     .label = kExecutionTimeLabel,
     .help = kExecutionTimeHelp,
     .size = 1,
     .handling = read},
    {.id = item::phys_blk_num_parameters,
     .label = kNumParametersLabel,
     .help = kNumParametersHelp,
     .size = 2,
     .handling = read},
    {.id = item::phys_blk_index_view_1,
     .label = kIndexView1Label,
     .help = kIndexView1Help,
     .size = 2,
     .handling = read},
    {.id = item::phys_blk_num_view_lists,
     .label = kNumViewListsLabel,
     .help = kNumViewListsHelp,
     .size = 1,
     .handling = read},
    {.id = item::phys_st_rev,
     .label = kStaticRevisionLabel,
     .help = kStaticRevisionHelp,
     .size = 2,
     .defaultValue = integer(0),
     .handling = read},
    {.id = item::phys_strategy,
     .label = kStrategyLabel,
     .help = kStrategyHelp,
     .size = 2,
     .defaultValue = integer(0),
     .handling = readWrite},
    {.id = item::phys_alert_key,
     .label = kAlertKeyLabel,
     .help = kAlertKeyHelp,
     .size = 1,
     .defaultValue = integer(0),
     .handling = readWrite},

    // Analog input block.
    {.id = item::func1_AI_blk_dd_reference,
     .label = kDdReferenceLabel,
     .help = kDdReferenceHelp,
     .size = 4,
     .handling = read},
    {.id = item::func1_AI_blk_dd_rev,
     .label = kDdRevisionLabel,
     .help = kDdRevisionHelp,
     .size = 2,
     .handling = read},
    {.id = item::func1_AI_blk_execution_time,
     .label = kExecutionTimeLabel,
     .help = kExecutionTimeHelp,
     .size = 1,
     .handling = read},
    {.id = item::func1_AI_blk_num_parameters,
     .label = kNumParametersLabel,
     .help = kNumParametersHelp,
     .size = 2,
     .handling = read},
    {.id = item::func1_AI_blk_index_view_1,
     .label = kIndexView1Label,
     .help = kIndexView1Help,
     .size = 2,
     .handling = read},
    {.id = item::func1_AI_blk_num_view_lists,
     .label = kNumViewListsLabel,
     .help = kNumViewListsHelp,
     .size = 1,
     .handling = read},
    {.id = item::func1_AI_st_rev,
     .label = kStaticRevisionLabel,
     .help = kStaticRevisionHelp,
     .size = 2,
     .defaultValue = integer(0),
     .handling = read},
    {.id = item::func1_AI_strategy,
     .label = kStrategyLabel,
     .help = kStrategyHelp,
     .size = 2,
     .defaultValue = integer(0),
     .handling = readWrite},
    {.id = item::func1_AI_alert_key,
     .label = kAlertKeyLabel,
     .help = kAlertKeyHelp,
     .size = 1,
     .defaultValue = integer(0),
     .handling = readWrite},
    {.id = item::func1_AI_blk_reserve, .label = kReservedLabel, .help = kReservedHelp, .size = 1, .handling = read},
};

}  // namespace variables::block_headers
