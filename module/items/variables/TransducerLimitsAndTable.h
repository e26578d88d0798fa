// The transducer block's linearisation dimensions, sensor limits, peak values
// and the variables through which a linearisation table is loaded.
#pragma once

#include "items/variables/Variable.h"

// clang-format off
namespace variables::transducer_limits_and_table {

constexpr Variable kRows[] = {
    {.id = item::trans1_lin_diameter,
     .label = "trans_lin_diameter",
     .help = "trans_lin_diameter_help",
     .defaultValue = integer(100),
     .handling = readWrite},
    {.id = item::trans1_lin_volume,
     .label = "trans_lin_volume",
     .help = "trans_lin_volume_help",
     .defaultValue = integer(100),
     .handling = readWrite},
    {.id = item::trans1_sensor_high_limit,
     .label = "Upper Value Max  |de|Endwert Max  |fr|Valeur finale max.  |it|Valore finale max  |es|Valor final máx",
     .help = "Defines the maximum usable value for the measuring range (sensor).  "
             "|de|Legt den größten nutzbaren Wert des Meßbereichs (Sensor) fest.  "
             "|fr|Définit la valeur maximale utilisable de la plage de mesure (capteur).  "
             "|it|Definisce il valore massimo utilizzabile del campo di misura (sensore).  "
             "|es|Define el valor máximo utilizable del rango de medida (sensor).",
     .defaultValue = integer(100),
     .handling = read},
    {.id = item::trans1_sensor_low_limit,
     .label = "Lower Value Min  |de|Anfangswert Min  |fr|Valeur initiale min.  |it|Valore iniziale min  |es|Valor "
              "inicial mín. ",
     .help = "Defines the minimum usable value for the measuring range (sensor).  "
             "|de|Legt den kleinsten nutzbaren Wert des Meßbereichs (Sensor) fest.  "
             "|fr|Définit la valeur minimale utilisable de la plage de mesure (capteur).  "
             "|it|Definisce il valore minimo utilizzabile del campo di misura (sensore).  "
             "|es|Define el valor mínimo utilizable del rango de medida (sensor).",
     .defaultValue = integer(0),
     .handling = read},
    {.id = item::trans1_max_sensor_value,
     .label = "sensor value max  |de|Meßwert Max  |fr|Valeur mesurée max.  |it|Valore di misura max.  |es|valor medido "
              "máx.",
     .help = "Holds the maximum process value.  |de|Dieser Parameter hält den grössten gemessenen Wert.  |fr|Ce "
             "paramètre garde la plus grande valeur mesurée  |it|Mantiene il valore di processo massimo del "
             "trasduttore. ",
     .range = range(bound(real(-5.0)), bound(real(2100.0))),
     .defaultValue = integer(2100),
     .handling = locked,
     .unit = unit("pF")},
    {.id = item::trans1_min_sensor_value,
     .label = "sensor value min  |de|Meßwert Min  |fr|Valeur mesurée min.  |it|Valore di misura min.  |es|valor medido "
              "min.",
     .help = "Holds the minimum process value.  |de|Dieser Parameter hält den kleinsten gemessenen Wert.  |fr|Ce "
             "paramètre garde la plus petite valeur mesurée  |it|Mantiene il valore di processo minimo del "
             "trasduttore. ",
     .range = range(bound(real(-5.0)), bound(real(2100.0))),
     .defaultValue = integer(0),
     .handling = locked,
     .unit = unit("pF")},
    {.id = item::trans1_max_temperature,
     .label = "Process Temperature Max  |de|Prozeßtemperatur Max  |fr|Température de processus max.  |it|Temperatura "
              "di processo max  |es|Temperatura de proceso máx.",
     .help = "Holds the maximum process temperature. A write access to this parameter   resets to the current value.  "
             "|de|Hält die höchste Prozeßtemperatur. Ein Schreibzugriff auf diesen Parameter setzt ihn auf den "
             "aktuellen Wert zurück.  "
             "|fr|Conserve la température de processus maximale. Un accès en écriture à ce paramètre le remet à la "
             "valeur actuelle.  "
             "|it|Mantiene la temperatura di processo massima. Un accesso in scrittura a questo parametro lo riporta "
             "al valore attuale.  "
             "|es|Guarda la temperatura de proceso máxima. Un acceso de escritura a este parámetro lo restablece al "
             "valor actual.",
     .displayFormat = ".0f",
     .range = range(bound(real(-40.0)), bound(real(80.0))),
     .defaultValue = integer(80),
     .handling = locked},
    {.id = item::trans1_min_temperature,
     .label = "Process Temperature Min  |de|Prozeßtemperatur Min  |fr|Température de processus min.  |it|Temperatura "
              "di processo min.  |es|Temperatura de proceso mín.",
     .help = "Holds the minimum process temperature. A write access to this parameter   resets to the current value.  "
             "|de|Hält die niedrigste Prozeßtemperatur. Ein Schreibzugriff auf diesen Parameter setzt ihn auf den "
             "aktuellen Wert zurück.  "
             "|fr|Conserve la température de processus minimale. Un accès en écriture à ce paramètre le remet à la "
             "valeur actuelle.  "
             "|it|Mantiene la temperatura di processo minima. Un accesso in scrittura a questo parametro lo riporta "
             "al valore attuale.  "
             "|es|Guarda la temperatura de proceso mínima. Un acceso de escritura a este parámetro lo restablece al "
             "valor actual.",
     .displayFormat = ".0f",
     .range = range(bound(real(-40.0)), bound(real(80.0))),
     .defaultValue = integer(-40),
     .handling = locked},
    {.id = item::trans1_index,
     .label = "Coordinate No.  |de|Stützstellen-Nr.  |fr|No de noeud d'interpolation  |it|Punto d'intersezione.  "
              "|es|Índice coordinado",
     .help = "Defines the index to specify one point of the curve (user-defined   characteristic).  "
             "|de|Legt den Index fest, mit dem ein Punkt der Kurve (benutzerdefinierte Kennlinie) angegeben wird.  "
             "|fr|Définit l'index qui désigne un point de la courbe (caractéristique définie par l'utilisateur).  "
             "|it|Definisce l'indice che specifica un punto della curva (caratteristica definita dall'utente).  "
             "|es|Define el índice que especifica un punto de la curva (característica definida por el usuario).",
     .size = 1,
     .handling = readWrite},
    {.id = item::trans1_tab_min_number,
     .label = "Min Number of Coordinates  |de|Min Anzahl Stützstellen  |fr|Nombre min. de noeuds d'interpolation  "
              "|it|Numero minimo di coordinate   |es|Número mín. de coordinadas",
     .help = "Defines the min. number of coordinates supported by the device.  "
             "|de|Legt die minimale Anzahl der vom Gerät unterstützten Stützstellen fest.  "
             "|fr|Définit le nombre minimal de noeuds d'interpolation pris en charge par l'appareil.  "
             "|it|Definisce il numero minimo di coordinate supportate dal dispositivo.  "
             "|es|Define el número mínimo de coordenadas admitidas por el equipo.",
     .size = 1,
     .handling = read},
    {.id = item::trans1_tab_max_number,
     .label = "Max Number of Coordinates  |de|Max Anzahl Stützstellen  |fr|Nombre max. de noeuds d'interpolation  "
              "|it|Numero massimo punti di coordinate   |es|Máx. número de coordinadas",
     .help = "Defines the max. number of coordinates supported by the device.  "
             "|de|Legt die maximale Anzahl der vom Gerät unterstützten Stützstellen fest.  "
             "|fr|Définit le nombre maximal de noeuds d'interpolation pris en charge par l'appareil.  "
             "|it|Definisce il numero massimo di coordinate supportate dal dispositivo.  "
             "|es|Define el número máximo de coordenadas admitidas por el equipo.",
     .size = 1,
     .handling = read},
    {.id = item::trans1_tab_op_code,
     .label = "Operation Mode  |de|Betriebsart  |fr|Mode de fonctionnement  |it|Modo operativo  |es|Modo de operación",
     .help = "",
     .size = 1,
     .handling = readWrite},
    {.id = item::trans1_tab_actual_number,
     .label = "Actual numbers of entries  |de|Anzahl Einträge  |fr|Nombre courant d'entrées  |it|Numeri effettivi "
              "degli ingressi",
     .help = "Contains the actual numbers of entries in the table. It shall be   calculated after the transmission of "
             "the table is finished.  "
             "|de|Enthält die aktuelle Anzahl der Einträge in der Tabelle. Sie wird nach Abschluss der Übertragung "
             "der Tabelle berechnet.  "
             "|fr|Contient le nombre courant d'entrées dans la table. Il est calculé une fois la transmission de la "
             "table terminée.  "
             "|it|Contiene il numero effettivo di voci nella tabella. Viene calcolato al termine della trasmissione "
             "della tabella.",
     .size = 1,
     .handling = read},
};

}  // namespace variables::transducer_limits_and_table
