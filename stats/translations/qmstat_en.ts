<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>qm::stats::ByActivityWindow</name>
    <message>
        <source>Quillmere - Statistiques par activités</source>
        <translation>Quillmere - Statistics by activity</translation>
    </message>
    <message>
        <source> Utilisateur - xx/xx/xxxx </source>
        <comment>placeholder until a report is shown</comment>
        <translation> User - xx/xx/xxxx </translation>
    </message>
    <message>
        <source>Activité : </source>
        <translation>Activity: </translation>
    </message>
    <message>
        <source>Date de début :</source>
        <translation>Start date:</translation>
    </message>
    <message>
        <source>Date de fin :</source>
        <translation>End date:</translation>
    </message>
    <message>
        <source>Nombre de journées enregistrées sur la période :</source>
        <translation>Days recorded in the period:</translation>
    </message>
    <message>
        <source>Nombre de journées concernées par l&apos;activité :</source>
        <translation>Days with this activity:</translation>
    </message>
    <message>
        <source>Durée totale enregistrée sur la période :</source>
        <translation>Total time recorded in the period:</translation>
    </message>
    <message>
        <source>Durée totale de l&apos;activité :</source>
        <translation>Total time of the activity:</translation>
    </message>
    <message>
        <source>Pourcentage représenté par l&apos;activité sur la période :</source>
        <translation>Share of the activity in the period:</translation>
    </message>
    <message>
        <source>durée de l&apos;activité sur la journée</source>
        <comment>chart legend</comment>
        <translation>time of the activity in the day</translation>
    </message>
    <message>
        <source>durée totale enregistrée pour la journée</source>
        <comment>chart legend</comment>
        <translation>total time recorded in the day</translation>
    </message>
    <message>
        <source>Période du xx/xx/xxxx au xx/xx/xxxx</source>
        <comment>placeholder until a report is shown</comment>
        <translation>Period from xx/xx/xxxx to xx/xx/xxxx</translation>
    </message>
</context>
<context>
    <name>qm::stats::ByDateWindow</name>
    <message>
        <source>Quillmere - Statistiques par dates</source>
        <translation>Quillmere - Statistics by date</translation>
    </message>
    <message>
        <source> Utilisateur - xx/xx/xxxx </source>
        <comment>placeholder until a report is shown</comment>
        <translation> User - xx/xx/xxxx </translation>
    </message>
    <message>
        <source>Période du xx/xx/xxxx au xx/xx/xxxx</source>
        <comment>placeholder until a report is shown</comment>
        <translation>Period from xx/xx/xxxx to xx/xx/xxxx</translation>
    </message>
    <message>
        <source>Nombre d&apos;évènements sur la période :</source>
        <translation>Events in the period:</translation>
    </message>
    <message>
        <source>Durée totale enregistrée :</source>
        <translation>Total time recorded:</translation>
    </message>
    <message>
        <source>Activités uniques sur la période :</source>
        <translation>Distinct activities in the period:</translation>
    </message>
    <message>
        <source>Feuille de temps</source>
        <translation>Time sheet</translation>
    </message>
</context>
<context>
    <name>qm::stats::CommandLine</name>
    <message>
        <source>L&apos;option --%1 manque (jj/mm/aaaa).</source>
        <translation>The option --%1 is missing (dd/mm/yyyy).</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas une date (jj/mm/aaaa).</source>
        <translation>&quot;%1&quot; is not a date (dd/mm/yyyy).</translation>
    </message>
    <message>
        <source>L&apos;export « %1 » n&apos;existe pas : by-date, by-activity ou timesheet.</source>
        <translation>There is no export &quot;%1&quot;: by-date, by-activity or timesheet.</translation>
    </message>
    <message>
        <source>L&apos;option --activity manque.</source>
        <translation>The option --activity is missing.</translation>
    </message>
    <message>
        <source>La période se termine avant de commencer.</source>
        <translation>The period ends before it starts.</translation>
    </message>
    <message>
        <source>Le fichier de l&apos;option --output doit finir par .csv ou .pdf.</source>
        <translation>The file of the option --output must end in .csv or .pdf.</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas pu être lu en entier : rien n&apos;a été exporté.</source>
        <translation>The file %1 could not be read to its end: nothing was exported.</translation>
    </message>
    <message>
        <source>L&apos;activité « %1 » n&apos;est pas dans le journal.</source>
        <translation>The activity &quot;%1&quot; is not in the journal.</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas pu être écrit (%2).</source>
        <translation>The file %1 could not be written (%2).</translation>
    </message>
    <message>
        <source>Les statistiques du journal de Quillmere.</source>
        <translation>The statistics of the Quillmere journal.</translation>
    </message>
    <message>
        <source>Écrit l&apos;export sans ouvrir de fenêtre : by-date, by-activity ou timesheet.</source>
        <translation>Writes the export without opening a window: by-date, by-activity or timesheet.</translation>
    </message>
    <message>
        <source>type</source>
        <translation>kind</translation>
    </message>
    <message>
        <source>Premier jour de la période.</source>
        <translation>First day of the period.</translation>
    </message>
    <message>
        <source>jj/mm/aaaa</source>
        <translation>dd/mm/yyyy</translation>
    </message>
    <message>
        <source>Dernier jour de la période.</source>
        <translation>Last day of the period.</translation>
    </message>
    <message>
        <source>L&apos;activité du rapport.</source>
        <translation>The activity of the report.</translation>
    </message>
    <message>
        <source>nom</source>
        <translation>name</translation>
    </message>
    <message>
        <source>Le fichier à écrire ; .csv ou .pdf choisit le format.</source>
        <translation>The file to write; .csv or .pdf chooses the format.</translation>
    </message>
    <message>
        <source>fichier</source>
        <translation>file</translation>
    </message>
    <message>
        <source>L&apos;option --export est nécessaire.</source>
        <translation>The option --export is needed.</translation>
    </message>
    <message>
        <source>L&apos;option --output est nécessaire.</source>
        <translation>The option --output is needed.</translation>
    </message>
</context>
<context>
    <name>qm::stats::DateBox</name>
    <message>
        <source>Saisissez le premier jour de la période, sous la forme jj/mm/aaaa.</source>
        <translation>Enter the first day of the period, as dd/mm/yyyy.</translation>
    </message>
    <message>
        <source>Saisissez le dernier jour de la période, sous la forme jj/mm/aaaa.</source>
        <translation>Enter the last day of the period, as dd/mm/yyyy.</translation>
    </message>
</context>
<context>
    <name>qm::stats::Export</name>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Activité</source>
        <translation>Activity</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Durée</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Part (%)</source>
        <translation>Share (%)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Quillmere du %1 au %2</source>
        <extracomment>The proposed name of the exported file; the dates are day-month-year.</extracomment>
        <translation>Quillmere from %1 to %2</translation>
    </message>
    <message>
        <source>Quillmere feuille de temps du %1 au %2</source>
        <extracomment>The proposed name of the exported time sheet; the dates are day-month-year.</extracomment>
        <translation>Quillmere time sheet from %1 to %2</translation>
    </message>
</context>
<context>
    <name>qm::stats::MessageBoxNotice</name>
    <message>
        <source>Quillmere - Statistiques</source>
        <translation>Quillmere - Statistics</translation>
    </message>
    <message>
        <source>Tableur (*.csv)</source>
        <translation>Spreadsheet (*.csv)</translation>
    </message>
    <message>
        <source>Document PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Quillmere - Exporter</source>
        <translation>Quillmere - Export</translation>
    </message>
    <message>
        <source>Le fichier %1 existe déjà.
Voulez-vous le remplacer ?</source>
        <translation>The file %1 already exists.
Do you want to replace it?</translation>
    </message>
</context>
<context>
    <name>qm::stats::NumberStyle</name>
    <message>
        <source>fr</source>
        <extracomment>The code of the language of this translation (&quot;fr&quot;, &quot;en&quot;): it chooses how figures with a fraction and the spreadsheet exports are written.</extracomment>
        <translation>en</translation>
    </message>
</context>
<context>
    <name>qm::stats::OverallFigures</name>
    <message>
        <source>1 ligne du journal a une durée illisible (ligne %1) : elle compte pour 0 min.</source>
        <translation>1 journal line has an unreadable duration (line %1): it counts as 0 min.</translation>
    </message>
    <message>
        <source>%1 lignes du journal ont une durée illisible (première : ligne %2) : elles comptent pour 0 min.</source>
        <translation>%1 journal lines have an unreadable duration (first: line %2): they count as 0 min.</translation>
    </message>
</context>
<context>
    <name>qm::stats::Report</name>
    <message>
        <source>Activité : %1</source>
        <translation>Activity: %1</translation>
    </message>
    <message>
        <source>Période du %1 au %2</source>
        <translation>Period from %1 to %2</translation>
    </message>
    <message>
        <source>.....Autres (toutes &lt; 4%)</source>
        <translation>.....Others (each &lt; 4%)</translation>
    </message>
    <message>
        <source>%1 : %2 (journée : %3)</source>
        <translation>%1: %2 (day: %3)</translation>
    </message>
    <message>
        <source>Du %1 au %2 : %3 (en tout : %4)</source>
        <translation>From %1 to %2: %3 (in all: %4)</translation>
    </message>
    <message>
        <source>%1 : %2 (%3)</source>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
</context>
<context>
    <name>qm::stats::ReportExporter</name>
    <message>
        <source>la page n&apos;a pas pu être dessinée</source>
        <translation>the page could not be drawn</translation>
    </message>
    <message>
        <source>Le rapport a été exporté dans le fichier %1.</source>
        <translation>The report was exported to the file %1.</translation>
    </message>
    <message>
        <source>L&apos;export a échoué : le fichier %1 n&apos;a pas pu être écrit (%2).</source>
        <translation>The export failed: the file %1 could not be written (%2).</translation>
    </message>
</context>
<context>
    <name>qm::stats::ReportPage</name>
    <message>
        <source>Statistiques par dates</source>
        <translation>Statistics by date</translation>
    </message>
</context>
<context>
    <name>qm::stats::ReportPrinter</name>
    <message>
        <source>L&apos;impression du rapport a échoué.</source>
        <translation>The report could not be printed.</translation>
    </message>
    <message>
        <source>Aucune imprimante n&apos;est installée : le rapport a été enregistré dans le fichier
%1</source>
        <translation>No printer is installed: the report was saved in the file
%1</translation>
    </message>
</context>
<context>
    <name>qm::stats::ReportWindow</name>
    <message>
        <source>Imprimer</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Exporter</source>
        <translation>Export</translation>
    </message>
</context>
<context>
    <name>qm::stats::StatsWindow</name>
    <message>
        <source>Nombre d&apos;évènements enregistrés :</source>
        <translation>Events recorded:</translation>
    </message>
    <message>
        <source>Date inférieure :</source>
        <translation>Earliest date:</translation>
    </message>
    <message>
        <source>Date supérieure :</source>
        <translation>Latest date:</translation>
    </message>
    <message>
        <source>Nombre d&apos;activités uniques :</source>
        <translation>Distinct activities:</translation>
    </message>
    <message>
        <source>Nombre de journées concernées :</source>
        <translation>Days recorded:</translation>
    </message>
    <message>
        <source>Nombre moyen d&apos;activités par journée :</source>
        <translation>Average activities per day:</translation>
    </message>
    <message>
        <source>Durée totale enregistrée :</source>
        <translation>Total time recorded:</translation>
    </message>
    <message>
        <source>Durée moyenne par journée :</source>
        <translation>Average time per day:</translation>
    </message>
    <message>
        <source>Durée moyenne par évènement :</source>
        <translation>Average time per event:</translation>
    </message>
    <message>
        <source>Quillmere - Statistiques</source>
        <translation>Quillmere - Statistics</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Statistiques globales</source>
        <translation>Overall statistics</translation>
    </message>
    <message>
        <source>Statistiques par dates</source>
        <translation>Statistics by date</translation>
    </message>
    <message>
        <source>Du :</source>
        <comment>the first day of the period</comment>
        <translation>From:</translation>
    </message>
    <message>
        <source>Au :</source>
        <comment>the last day of the period</comment>
        <translation>To:</translation>
    </message>
    <message>
        <source>Afficher</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Statistiques par activité</source>
        <translation>Statistics by activity</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas pu être lu en entier.
Les statistiques ne sont pas affichées, car elles seraient incomplètes.</source>
        <translation>The file %1 could not be read in full.
The statistics are not shown, as they would be incomplete.</translation>
    </message>
</context>
<context>
    <name>qm::stats::TimeSheet</name>
    <message>
        <source>Quillmere - Feuille de temps du %1 au %2</source>
        <translation>Quillmere - Time sheet from %1 to %2</translation>
    </message>
    <message>
        <source>Activité</source>
        <translation>Activity</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
</context>
<context>
    <name>qm::stats::TimeSheetWindow</name>
    <message>
        <source>Exporter</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
</context>
</TS>
