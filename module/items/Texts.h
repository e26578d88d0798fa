// Texts that stand in items of several families or kinds, each defined once:
// labels, helps, descriptions and enumerator texts, exactly as the device
// gives them.
#pragma once

// clang-format off
namespace texts {

// Blocks, modes and their status.
inline constexpr char kTransducerBlock1[] =
    "Transducer Block 1  |de|Transducer Block 1  |fr|Bloc transducteur 1  |it|Blocco trasduttore 1  "
    "|es|Bloque transductor 1";
inline constexpr char kPhysicalBlock[] =
    "Physical Block  |de|Physical Block  |fr|Bloc physique  |it|Blocco fisico  |es|Bloque físico";
inline constexpr char kInput[] = "Input  |de|Eingang  |fr|Entrée  |it|Ingresso  |es|Entrada";
inline constexpr char kOutput[] = "Output  |de|Ausgang  |fr|Sortie  |it|Uscita  |es|Salida";
inline constexpr char kLevel[] = "Level  |de|Füllstand  |fr|Niveau  |it|Livello di riempimento  |es|Nivel";
inline constexpr char kActualMode[] =
    "Actual Mode  |de|Aktueller Modus  |fr|Mode actuel  |it|Modo attuale  |es|Modo actual";
inline constexpr char kUnknown[] = "Unknown  |de|Unbekannt  |fr|Inconnu  |it|Sconosciuto  |es|Desconocido";
inline constexpr char kQuality[] = "Quality  |de|Qualität  |fr|Qualité  |it|Qualità  |es|Calidad";
inline constexpr char kStatus[] = "Status  |de|Status  |fr|Etat  |it|Stato  |es|Status";
inline constexpr char kTag[] = "TAG  |fr|Repère de l'appareil  |it|TAG  |es|TAG";
inline constexpr char kTagHelp[] =
    "Text; can be used in any way. A recommended use is as a unique label   for a field device in the plant.  "
    "|de|Text; kann beliebig verwendet werden. Empfohlen wird die Verwendung als eindeutige Kennzeichnung eines Feldgeräts in der Anlage.  "
    "|fr|Texte ; utilisable librement. Il est recommandé de l'utiliser comme repère unique d'un appareil de terrain dans l'installation.  "
    "|it|Testo; utilizzabile liberamente. Si consiglia di usarlo come identificazione univoca di un apparecchio da campo nell'impianto.  "
    "|es|Texto; puede usarse libremente. Se recomienda usarlo como identificación única de un equipo de campo en la planta.";

// Block modes, and the qualities and limit parts of a status.
inline constexpr char kRcas[] =
    "Remote Cascade (RCAS)  |de|Fernkaskade  |fr|Cascade déportée  |it|Cascata remota  |es|Cascada remota ";
inline constexpr char kAuto[] = "AUTO";
inline constexpr char kManual[] = "MAN";
inline constexpr char kLocalOverride[] =
    "Local Override (LO)  |de|Lokale Überlagerung  |fr|Commande de hevauchement locale prioritaire  "
    "|it|Comando locale (il comando locale ha priorità sul comando automatico)  |es|Superposición local";
inline constexpr char kOutOfService[] =
    "Out of Service (O/S)  |de|Außer Betrieb  |fr|Hors service  |it|Fuori servizio  |es|Fuera de servicio";
inline constexpr char kParameterModification[] =
    "Parameter modification  |de|Parametersatz-Änderung  |fr|Modification du jeu de paramètres  "
    "|it|Modifica set di parametri  |es|Modificación de los parámetros";
// The qualities; the manual set lacks two of the Bad rows.
inline constexpr char kGood[] = "Good  |de|Gut  |fr|Bon  |it|Buono  |es|Bueno ";
inline constexpr char kGoodUpdateEvent[] =
    "Good: Update event  |de|Gut: Parametrierung geändert  |fr|Bon : Update event  |it|Buono: Update event  "
    "|es|Bueno: Update event";
inline constexpr char kGoodWarningLimit[] =
    "Good: warning Limit  |de|Gut: Warngrenze  |fr|Bon : limite d'avertissement  |it|Buono: limite avviso  "
    "|es|Bueno: Límite de advertencia";
inline constexpr char kGoodAlarmLimit[] =
    "Good: alarm Limit  |de|Gut: Alarmgrenze  |fr|Bon : limite d'alarme  |it|Buono: limite allarme  "
    "|es|Bueno: Límite de alarma";
inline constexpr char kGoodUnackBlockAlarm[] =
    "Good: unacknowledged block alarm  |de|Gut: unquittierter Blockalarm  |fr|Bon : bloc d'alarme non validé  "
    "|it|Buono: allarme di blocco non confermato  |es|Bueno: Alarma en bloque ignorada";
inline constexpr char kGoodUnackWarning[] =
    "Good: unacknowledged Warning  |de|Gut: unquittierte Warnung  |fr|Bon : avertissement non validé  "
    "|it|Buono: avviso non confermato  |es|Bueno: Advertencia ignorada";
inline constexpr char kGoodUnackAlarm[] =
    "Good: unacknowledged Alarm  |de|Gut: unquittierter Alarm  |fr|Bon : alarme non validée  "
    "|it|Buono: allarme non confermato  |es|Bueno: Alarma ignorada";
inline constexpr char kGoodFailSafe[] =
    "Good: Initiate fail-safe  |de|Gut: Gehe in Fail-Safe  |fr|Bon : initialiser le disposiif de sécurité  "
    "|it|Buono: vai in posizione di sicurezza  |es|Bueno: Pasa a autoprotección";
inline constexpr char kGoodMaintenance[] =
    "Good: Maintenance required.  |de|Gut: Wartung erforderlich.  |fr|Bon: Maintenance nécessaire  "
    "|it|Buono: manutenzione necessaria.  |es|Bueno: Requiere mantenimiento.";
inline constexpr char kUncertain[] = "Uncertain  |de|Unsicher  |fr|Douteux  |it|Incerto  |es|Inseguro";
inline constexpr char kUncertainLastUsable[] =
    "Uncertain: last usable value  |de|Unsicher: letzter brauchbarer Wert  "
    "|fr|Douteux : dernière valeur utilisable  |it|Incerto: ultimo valore utilizzabile  "
    "|es|Inseguro: Último valor utilizable";
inline constexpr char kUncertainSubstitute[] =
    "Uncertain: substitute value  |de|Unsicher: Ersatzwert  |fr|Douteux : valeur de remplacement  "
    "|it|Incerto: valore sostitutivo  |es|Inseguro: Valor substitutivo";
inline constexpr char kUncertainInitial[] =
    "Uncertain: initial value  |de|Unsicher: Initialwert  |fr|Douteux : valeur initiale  "
    "|it|Incerto: valore iniziale  |es|Inseguro: Valor inicial";
inline constexpr char kUncertainInaccurate[] =
    "Uncertain: Value uncertain  |de|Unsicher: Wert ungenau  |fr|Douteux : valeur imprécise  "
    "|it|Incerto: valore impreciso  |es|Inseguro: valor inexacto";
inline constexpr char kUncertainRange[] =
    "Uncertain: Range violation  |de|Unsicher: außerhalb Wertebereich  |fr|Douteux : hors plage de valeurs  "
    "|it|Incerto: oltre il campo valori  |es|Inseguro: por fuera del margen";
inline constexpr char kUncertainSubNormal[] =
    "Uncertain: Sub-normal  |de|Unsicher: unnormal  |fr|Douteux : anormal  |it|Incerto: anomalo  "
    "|es|Inseguro: anormal";
inline constexpr char kUncertainConfiguration[] =
    "Uncertain: configuration error  |de|Unsicher: Konfigurationsfehler  |fr|Douteux : erreur de configuration  "
    "|it|Incerto: errore di configurazione  |es|Inseguro: Error de configuración";
inline constexpr char kBad[] = "Bad  |de|Schlecht  |fr|Mauvais  |it|Scarto  |es|Malo";
inline constexpr char kBadConfiguration[] =
    "Bad: configuration error  |de|Schlecht: Konfigurationsfehler  |fr|Mauvais : erreur de configuration  "
    "|it|Scarto: errore di configurazione  |es|Malo: Error de configuración";
inline constexpr char kBadDevice[] =
    "Bad: device failure  |de|Schlecht: Gerätefehler  |fr|Mauvais : erreur de l'appareil  "
    "|it|Scarto: errore apparrecchio  |es|Malo: Aparato averiado";
inline constexpr char kBadSensor[] =
    "Bad: sensor failure  |de|Schlecht: Sensorfehler  |fr|Mauvais : erreur de détecteur  "
    "|it|Scarto: errore trasduttore  |es|Malo: Sensor averiado";
inline constexpr char kBadNoUsable[] =
    "Bad: no usable value (no comm.)  |de|Schlecht: kein brauchbarer Wert (keine Komm.)  "
    "|fr|Mauvais : pas de valeur utilisable (pas de comm.)  |it|Scarto: nessun valore utilizzabile (nessuna com.)  "
    "|es|Malo: ningún valor utilizable (sin com.)";
inline constexpr char kBadOutOfService[] =
    "Bad: out of service  |de|Schlecht: außer Betrieb  |fr|Mauvais : Hors service  |it|Scarto: fuori servizio  "
    "|es|Malo: Fuera de servicio";
inline constexpr char kLimitOk[] = "OK  |fr|OK  |it|OK  |es|OK";
inline constexpr char kLimitConstant[] =
    "Value constant  |de|Wert konstant  |fr|Valeur constante  |it|Valore costante  |es|Valor constante";

// The analog input block's output, limits and alarms.
inline constexpr char kOutputValue[] =
    "Output Value  |de|Ausgangswert  |fr|Valeur de sortie  |it|Valore di uscita  |es|Valor de salida";
inline constexpr char kOutputValueHelp[] =
    "Output Value: Process variable (including transfer function and damping   settings). In MAN mode the output value may be specified by an operator.  "
    "|de|Ausgangswert: Prozeßgröße (einschließlich Kennlinien- und Dämpfungseinstellungen).   Im MAN-Modus wird der Ausgangswert vom Anwender definiert.  "
    "|fr|Valeur de sortie : grandeur de processus (y compris caractéristique   et réglages d'amorti). en mode MAN, la valeur de sortie est définie   par l'utilisateur.  "
    "|it|Valore di uscita: grandezza di processo (incluse le curve caratteri    stiche e le impostazioni di smorzamento). In modalità MAN il valore   di uscita viene definito dall'utiente.  "
    "|es|Valor de salida: variable de proceso (incluye ajustes de características   y atenuación). En el modo MAN, el valor de salida lo especifica el   operador. ";
inline constexpr char kUpperLimitAlarm[] =
    "Upper Limit Alarm  |de|Alarmgrenze Oben  |fr|Limite d'alarme supérieure  |it|Limite allarme superiore  "
    "|es|Límite superior de alarma";
inline constexpr char kUpperLimitAlarmHelp[] =
    "The setting for the upper alarm limit in engineering units  "
    "|de|Ausgangswert, ab dem ein oberer Alarm erzeugt wird  "
    "|fr|Valeur de sortie à partir de laquelle une alarme supérieure est générée.  "
    "|it|Valore di uscita a partire dal quale viene generato un allarme superiore  "
    "|es|Valor de salida a partir del cual se genera una alarma superior";
inline constexpr char kUpperLimitWarning[] =
    "Upper Limit Warning  |de|Warngrenze Oben  |fr|Limite d'avertissement supérieure  "
    "|it|Limite di avviso superiore  |es|Límite superior de advertencia";
inline constexpr char kUpperLimitWarningHelp[] =
    "The setting for the upper warning limit in engineering units  "
    "|de|Ausgangswert, ab dem eine obere Warnung erzeugt wird  "
    "|fr|Valeur de sortie à partir de laquelle un avertissement supérieur   est généré.  "
    "|it|Valore di uscita a partire dal quale viene generato un avviso superiore  "
    "|es|valor de salida a partir del cual se genera una advertencia superior";
inline constexpr char kLowerLimitWarning[] =
    "Lower Limit Warning  |de|Warngrenze Unten  |fr|Limite d'avertissement inférieure  "
    "|it|Limite di avviso inferiore  |es|Límite inferior de advertencia";
inline constexpr char kLowerLimitWarningHelp[] =
    "The setting for the lower warning limit in engineering units  "
    "|de|Ausgangswert, ab dem eine untere Warnung erzeugt wird  "
    "|fr|Valeur de sortie à partir de laquelle un avertissement inférieur   est généré.  "
    "|it|Valore di uscita a partire dal quale viene generato un avviso inferiore  "
    "|es|Valor de salida a partir del cual se genera una advertencia inferior";
inline constexpr char kLowerLimitAlarm[] =
    "Lower Limit Alarm  |de|Alarmgrenze Unten  |fr|Limite d'alarme inférieure  |it|Limite allarme inferiore  "
    "|es|Límite inferior de alarma";
inline constexpr char kLowerLimitAlarmHelp[] =
    "The setting for the lower alarm limit in engineering units  "
    "|de|Ausgangswert, ab dem ein unterer Alarm erzeugt wird  "
    "|fr|Valeur de sortie à partir de laquelle une alarme inférieure est générée.  "
    "|it|Valore di uscita a partire dal quale viene generato un allarme inferiore  "
    "|es|Valor de salida a partir del cual se genera una alarma inferior";
inline constexpr char kUpperLimitAlarmState[] =
    "Upper Limit Alarm  |de|Oberer Alarmgrenzwert  |fr|Limite d'alarme supérieure  "
    "|it|Valore limite superiore allarme   |es|Valor límite superior de la alarma";
inline constexpr char kUpperLimitWarningState[] =
    "Upper Limit Warning  |de|Oberer Warngrenzwert  |fr|Limite d'avertissement supérieure  "
    "|it|Valore limite superiore avviso   |es|Valor límite superior de advertencia";
inline constexpr char kLowerLimitWarningState[] =
    "Lower Limit Warning  |de|Unterer Warngrenzwert  |fr|Limite d'avertissement inférieure  "
    "|it|Valore limite inferiore avviso   |es|Valor límite inferior de advertencia";
inline constexpr char kLowerLimitAlarmState[] =
    "Lower Limit Alarm  |de|Unterer Alarmgrenzwert  |fr|Limite d'alarme inférieure  "
    "|it|Valore limite inferiore allarme   |es|Valor límite inferior de la alarma";
inline constexpr char kNoAlarm[] = "No Alarm  |de|Kein Alarm  |fr|Pas d'alarme  |it|Nessun allarme  |es|No alarma";
inline constexpr char kStatusUpperLimitAlarm[] =
    "Status Upper Limit Alarm  |de|Status Oberer Alarmgrenzwert  |fr|Etat Limite d'alarme supérieure  "
    "|it|Stato Valore limite superiore allarme  |es|Status Valor límite superior de la alarma";
inline constexpr char kStatusUpperLimitWarning[] =
    "Status Upper Limit Warning  |de|Status Oberer Warngrenzwert  |fr|Etat Limite d'avertissement supérieure  "
    "|it|Stato Valore limite superiore avviso  |es|Status Valor límite superior de advertencia";
inline constexpr char kStatusLowerLimitWarning[] =
    "Status Lower Limit Warning  |de|Status Unterer Warngrenzwert  |fr|Etat Limite d'avertissement inférieure  "
    "|it|Stato Valore limite inferiore avviso  |es|Status Valor límite inferior de advertencia";
inline constexpr char kStatusLowerLimitAlarm[] =
    "Status Lower Limit Alarm  |de|Status Unterer Alarmgrenzwert  |fr|Etat Limite d'alarme inférieure  "
    "|it|Stato Valore limite inferiore allarme  |es|Status Valor límite inferior de la alarma";
inline constexpr char kAlarmSummary[] =
    "Alarm Summary  |de|Summenalarm  |fr|Alarme groupée  |it|Allarme cumulativo  |es|Alarma agrupada";
inline constexpr char kSimulation[] = "Simulation  |de|Simulation  |fr|Simulation  |it|Simulazione  |es|Simulación";
inline constexpr char kSimulationValue[] =
    "Simulation Value  |de|Simulationswert  |fr|Valeur de simulation  |it|Valore di simulazione  "
    "|es|Valor de simulación";
inline constexpr char kCharacterizationType[] =
    "Characterization Type  |de|Kennlinientyp  |fr|Type de caractéristique  |it|Tipo curve caratteristiche  "
    "|es|Tipo de característica";
inline constexpr char kCharacterizationTypeHelp[] =
    "Selects the type of linearization. The selection LINEAR means no   linearization.  "
    "|de|Kennlinien-Typ: Bestimmt den Typ der Linearisierung. Die Auswahl   von LINEAR bedeutet, daß die Linearisierung ausgeschaltet ist.  "
    "|fr|Définit le type de linéarisation. LINEAIRE signifie que la linéarisation   est désactivée.  "
    "|it|Stabilisce il tipo di linearizzazione. La selezione di LINEAR indica   che la linearizzazione è disattivata.  "
    "|es|Determina el tipo de linelización. La selección de LINEAL significa   que la linealización está desactivada";

// Calibration helps, shared by the calibration variables and their offline copies.
inline constexpr char kCalPointLowHelp[] =
    "The minimum adjustment of the sensor.  |de|Die minimale Verstellung des Sensors.  |fr|Réglage minimum "
    "du capteur.  |it|Lo scostamento minimo del trasduttore  |es|El ajuste mínimo del sensor.";
inline constexpr char kCalPointHighHelp[] =
    "The maximum adjustment of the sensor.  |de|Die maximale Verstellung des Sensors.  |fr|Réglage maximum "
    "du capteur.  |it|Lo scostamento massimo del trasduttore  |es|Dl ajuste máximo del sensor.";
inline constexpr char kLevelEmptyHelp[] =
    "Level empty is the value of level at lower calibration point. The   unit is defined in level unit.  "
    "|de|Füllstand leer ist der Wert des Füllstands am unteren Abgleichpunkt. Die Einheit wird in der "
    "Füllstandseinheit festgelegt.  "
    "|fr|Niveau vide est la valeur du niveau au point de calibrage inférieur. L'unité est définie dans "
    "l'unité de niveau.  "
    "|it|Livello di riempimento vuoto è il valore del livello nel punto di compensazione inferiore. L'unità "
    "è definita nell'unità del livello.  "
    "|es|Nivel vacío es el valor del nivel en el punto inferior de calibración. La unidad se define en la "
    "unidad de nivel.";
inline constexpr char kLevelFullHelp[] =
    "Level full is the value of level at upper calibration point. The   unit is defined in level unit.  "
    "|de|Füllstand voll ist der Wert des Füllstands am oberen Abgleichpunkt. Die Einheit wird in der "
    "Füllstandseinheit festgelegt.  "
    "|fr|Niveau plein est la valeur du niveau au point de calibrage supérieur. L'unité est définie dans "
    "l'unité de niveau.  "
    "|it|Livello di riempimento pieno è il valore del livello nel punto di compensazione superiore. L'unità "
    "è definita nell'unità del livello.  "
    "|es|Nivel lleno es el valor del nivel en el punto superior de calibración. La unidad se define en la "
    "unidad de nivel.";

// Menus and tabs.
inline constexpr char kStandardView[] =
    "Standard View (manufacturer specific table)  |de|Standard Ansicht (herstellerspezifische Tabelle)";
inline constexpr char kCapacitiveLevelMeasurement[] =
    "Capacitive Level Measurement|de|Kapazitive Füllstandsmesseinrichtung";
inline constexpr char kMeasuredValues[] = "Measured Values|de|Messwert";
inline constexpr char kMeasuredValueLevel[] =
    "Measured Value (Level)  |de|Meßwert (Füllstand)  |fr|Valeur de mesure (niveau)  "
    "|it|Valore di misura (Livello di riempimento)  |es|Valor medido (nivel)";
inline constexpr char kCalibration[] = "Calibration  |de|Grundabgleich";
inline constexpr char kExtendedCalibration[] = "Extended Calibration  |de|Erweit. Abgleich";
inline constexpr char kSecuritySettings[] = "Security Settings  |de|Sicherheitseinstellungen";
inline constexpr char kDeviceSimulation[] = "Device Simulation  |de|Geräte Simulation";
inline constexpr char kDisplay[] =
    "Display  |de|Meßwertanzeige  |fr|Affichage des valeurs de mesure  |it|Visualizza valori di misura/processo  "
    "|es|Visualizar valores medidos";
inline constexpr char kReset[] = "Reset  |de|Rücksetzen";
inline constexpr char kProcessValueScale[] =
    "Process Value Scale  |de|Meßwertskalierung  |fr|Fenêtre de mesure  |it|Scala di valori di misura  "
    "|es|Escala v. medidos";
inline constexpr char kOutputScale[] =
    "Output scale  |de|Ausgangsskalierung  |fr|Echelle des valeurs de sortie  |it|Scala di valori di uscita  "
    "|es|Escala de salida";
inline constexpr char kOutputLimits[] =
    "Output Limits  |de|Ausgangsgrenzwerte  |fr|Valeurs de sortie limites  |it|Limiti di uscita  "
    "|es|Límites de salida";
inline constexpr char kBatchInformation[] =
    "Batch Information  |de|Batch-Information  |fr|Information Batch  |it|Informazione batch  |es|Información batch";
inline constexpr char kHumanInterface[] =
    "Human Interface  |de|Anzeige- und Bedienoberfläche  |fr|Interface de contrôle-commande  "
    "|it|Superficie di controllo e di comando  |es|Interface de manejo y visualización";
inline constexpr char kWriteLocking[] =
    "Write Locking  |de|Schreibverriegelung  |fr|Verrouillage de sécurité  |it|Chiusura di sicurezza  "
    "|es|Cierre de seguridad";
inline constexpr char kWriteLockingHelp[] =
    "Storage location for a password used by the host software to check   if the device parameters are accessible.  "
    "|de|Speicherstelle für ein Paßwort zur Verwendung für den Host, dient   zur Überprüfung der Zugriffsrechte.  "
    "|fr|Emplacement de mémoire pour le mot de passe utilisé par le logiciel   hôte pour vérifier les droits d'accès.  "
    "|it|Luogo di memoria per una parola d'ordine per l'uso in un host, serve   per il controllo dei diritti di accesso.  "
    "|es|Posición de memoria para una contraseña destinada al host; sirve   para verificar los derechos de acceso. ";

// Units.
inline constexpr char kFeet[] = "Feet  |de|Fuß  |fr|Pieds  |it|Piedi  |es|Pies";
inline constexpr char kMeters[] = "Meters  |de|Meter  |fr|Mètres  |it|Metri  |es|Metros";

// The device-specific parameters' short texts.
inline constexpr char kMeasuredValue[] =
    "measured value|de|Messwert|fr|Valeur de mesure|es|Messwert|it|Valore di misura|nl|gemeten waarde";
inline constexpr char kMeasuredCap[] =
    "measured cap.|de|Messkapazität|fr|capacité mesure|es|Messkapazität|it|capacità di mis.";
inline constexpr char kElectronicTemp[] =
    "electronictemp.|de|Elektroniktemp.|fr|Temperature el.|es|Elektroniktemp.|it|Temperatura el.";
inline constexpr char kCalType[] =
    "cal. type|de|Abgleichart|fr|Type calibration|es|Abgleichart|it|tipo di cal.|nl|afregelkeuze";
inline constexpr char kCapEmpty[] =
    "cap. empty|de|Kap. Leerabgl.|fr|Capacité vide|es|Kap. Leerabgl.|it|cap. di vuoto|nl|leegcapaciteit";
inline constexpr char kCapFull[] =
    "cap. full|de|Kap. Vollabgl.|fr|Capacité plein|es|Kap. Vollabgl.|it|cap. di pieno|nl|volcapaciteit";
inline constexpr char kValueEmpty[] =
    "value empty|de|Wert Leerabgl.|fr|Valeur cal. vide|es|Wert Leerabgl.|it|val. di vuoto|nl|leegwaarde";
inline constexpr char kValueFull[] =
    "value full|de|Wert Vollabgl.|fr|Valeur cal.plein|es|Wert Vollabgl.|it|al. di pieno|nl|volwaarde";
inline constexpr char kPercentEmpty[] =
    "percent empty|de|Proz. Leerabgl.|fr|Pourcentage vide|es|Proz. Leerabgl.|it|perc. di vuoto|nl|leegpercentage";
inline constexpr char kPercentFull[] =
    "percent full|de|Proz. Vollabgl.|fr|Pourcentageplein|es|Proz. Vollabgl.|it|perc. di pieno|nl|volpercentage";
inline constexpr char kPresentError[] =
    "present error|de|aktueller Fehler|fr|Défaut actuel|es|aktueller Fehler|it|errore attuale|nl|actuele fout";
inline constexpr char kPreviousError[] =
    "previous error|de|letzter Fehler|fr|Dernier défaut|es|letzter Fehler|it|ultimo errore|nl|vorige fout";
inline constexpr char kClearLastError[] =
    "clear last error|de|Lösche let.Fehl.|fr|Eff. der. défaut|es|Lösche let.Fehl.|it|canc.ult. err."
    "|nl|wis laatste fout";
inline constexpr char kKeep[] = "keep|de|beibehalten|fr|Garder|es|mantener|it|mantieni|nl|houden";
inline constexpr char kSimulationShort[] =
    "simulation|de|Simulation|fr|Simulation|es|Simulation|it|simulazione|nl|simulatie";

// Methods.
inline constexpr char kFactoryReset[] =
    "Factory Reset  |de|Rücksetzen in Auslieferzustand  |fr|Remise à l'état de livraison  "
    "|it|Reset allo stato d fornitura  |es|Reposición al estado original de suministro";
inline constexpr char kSetUnitToBus[] = "Set unit to bus|de|Setze Einheit";

}  // namespace texts
