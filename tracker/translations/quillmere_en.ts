<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>qm::AbsenceDialog</name>
    <message>
        <source>Quillmere - Absence</source>
        <translation>Quillmere - Absence</translation>
    </message>
    <message>
        <source>Compter une pause</source>
        <translation>Count as a break</translation>
    </message>
    <message>
        <source>Changer d&apos;activité</source>
        <translation>Change activity</translation>
    </message>
    <message>
        <source>Ignorer</source>
        <translation>Ignore</translation>
    </message>
</context>
<context>
    <name>qm::AbsenceSettingsDialog</name>
    <message>
        <source>Proposer une pause après une absence de</source>
        <translation>Offer a break after an absence of</translation>
    </message>
    <message>
        <source>Votre bureau n&apos;indique pas le temps d&apos;inactivité : les absences ne peuvent pas être détectées.</source>
        <translation>Your desktop does not report the idle time: absences cannot be detected.</translation>
    </message>
    <message>
        <source>Quillmere - Absences</source>
        <translation>Quillmere - Absences</translation>
    </message>
    <message>
        <source>Durée de l&apos;absence, en minutes</source>
        <translation>Length of the absence, in minutes</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Me rappeler l&apos;activité en cours après</source>
        <translation>Remind me of the current activity after</translation>
    </message>
    <message>
        <source>Votre bureau n&apos;affiche pas de notifications : les rappels ne sont pas possibles.</source>
        <translation>Your desktop does not show notifications: reminders are not possible.</translation>
    </message>
    <message>
        <source>Durée avant le rappel, en minutes</source>
        <translation>Time before the reminder, in minutes</translation>
    </message>
</context>
<context>
    <name>qm::Absences</name>
    <message>
        <source>Aucune activité de votre part depuis %1 (%2 min).</source>
        <translation>No activity on your part since %1 (%2 min).</translation>
    </message>
</context>
<context>
    <name>qm::ActivityEditor</name>
    <message>
        <source>Quillmere - Liste pleine</source>
        <translation>Quillmere - List full</translation>
    </message>
    <message>
        <source>La liste ne peut pas contenir plus de %1 activités.
Retirez d&apos;abord une activité de cette liste.</source>
        <translation>The list cannot hold more than %1 activities.
First take an activity off this list.</translation>
    </message>
    <message>
        <source>Quillmere - Nom réservé</source>
        <translation>Quillmere - Reserved name</translation>
    </message>
    <message>
        <source>L&apos;intitulé &quot;%1&quot; est réservé à Quillmere et ne peut pas être celui d&apos;une activité.
Saisissez un autre intitulé.</source>
        <translation>The name &quot;%1&quot; is reserved by Quillmere and cannot be an activity&apos;s.
Enter another name.</translation>
    </message>
    <message>
        <source>Quillmere - Activité existante</source>
        <translation>Quillmere - Existing activity</translation>
    </message>
    <message>
        <source>L&apos;activité &quot;%1&quot; existe déjà dans la liste des %2.
Saisissez un autre intitulé.</source>
        <translation>The activity &quot;%1&quot; is already in the list of %2.
Enter another name.</translation>
    </message>
    <message>
        <source>activités actuellement en cours</source>
        <translation>activities currently in progress</translation>
    </message>
    <message>
        <source>activités définitivement terminées</source>
        <translation>activities finished for good</translation>
    </message>
    <message>
        <source>Saisir l&apos;intitulé de la nouvelle activité...</source>
        <translation>Enter the name of the new activity...</translation>
    </message>
    <message>
        <source>Quillmere - Intitulé vide</source>
        <translation>Quillmere - Empty name</translation>
    </message>
    <message>
        <source>L&apos;intitulé d&apos;une activité ne peut pas être vide.
Saisissez un intitulé.</source>
        <translation>The name of an activity cannot be empty.
Type a name.</translation>
    </message>
    <message>
        <source>Quillmere - Nouvelle activité</source>
        <translation>Quillmere - New activity</translation>
    </message>
</context>
<context>
    <name>qm::ChangeDialog</name>
    <message>
        <source>Sélectionnez la nouvelle activité :</source>
        <translation>Select the new activity:</translation>
    </message>
    <message>
        <source>Ou... sélectionnez un commentaire type existant :</source>
        <translation>Or... select an existing stock comment:</translation>
    </message>
    <message>
        <source>Confirmer</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Abandonner</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Quillmere - Sélection de l&apos;activité</source>
        <translation>Quillmere - Activity selection</translation>
    </message>
    <message>
        <source>Vous allez cesser l&apos;activité :</source>
        <translation>You are about to stop the activity:</translation>
    </message>
    <message>
        <source>Ce changement enregistré à ( hh:mm [:ss] ) :</source>
        <translation>This change recorded at ( hh:mm [:ss] ):</translation>
    </message>
    <message>
        <source>Durée de la nouvelle activité (optionel - en minutes) :</source>
        <translation>Length of the new activity (optional - in minutes):</translation>
    </message>
    <message>
        <source>Ou...</source>
        <translation>Or...</translation>
    </message>
    <message>
        <source>Heure de fin de la nouvelle activité (optionel - hh:mm[:ss] ) :</source>
        <translation>End time of the new activity (optional - hh:mm[:ss] ):</translation>
    </message>
    <message>
        <source>à indiquer uniquement en mode différé</source>
        <translation>only when recording after the fact</translation>
    </message>
    <message>
        <source>Nouvelle activité</source>
        <translation>New activity</translation>
    </message>
    <message>
        <source>Commentaire éventuel</source>
        <translation>Optional comment</translation>
    </message>
    <message>
        <source>Eventuellement, ajoutez un commentaire ponctuel :</source>
        <translation>Optionally, add a one-off comment:</translation>
    </message>
    <message>
        <source>Ou... ajoutez un nouveau commentaire type :</source>
        <translation>Or... add a new stock comment:</translation>
    </message>
    <message>
        <source>Journée passée : indiquez pour chaque activité sa durée ou son heure de fin.</source>
        <translation>Past day: give each activity its duration or its end time.</translation>
    </message>
    <message>
        <source>pause (activité pré-définie)</source>
        <translation>pause (predefined activity)</translation>
    </message>
    <message>
        <source>(Aucun commentaire)</source>
        <translation>(No comment)</translation>
    </message>
    <message>
        <source>hh:mm ou hh:mm:ss ; ou -N pour N minutes avant maintenant (par exemple -20)</source>
        <translation>hh:mm or hh:mm:ss; or -N for N minutes before now (for example -20)</translation>
    </message>
</context>
<context>
    <name>qm::ChangeForm</name>
    <message>
        <source>   --- aucune ---</source>
        <extracomment>Shown in place of the current activity before the first change of the day.</extracomment>
        <translation>   --- none ---</translation>
    </message>
    <message>
        <source>Quillmere - Heure de fin</source>
        <translation>Quillmere - End time</translation>
    </message>
    <message>
        <source>L&apos;activité se terminera le lendemain à %1 (%2). Est-ce bien ce que vous voulez ?</source>
        <translation>The activity will end the next day at %1 (%2). Is this what you want?</translation>
    </message>
    <message>
        <source>Oui</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>qm::CommandLine</name>
    <message>
        <source>Le journal de temps Quillmere.</source>
        <translation>The Quillmere time journal.</translation>
    </message>
    <message>
        <source>Passe à l&apos;activité donnée ; sans activité, ouvre la fenêtre de changement.</source>
        <translation>Switches to the given activity; without one, opens the change dialog.</translation>
    </message>
    <message>
        <source>L&apos;heure du changement.</source>
        <translation>The time of the change.</translation>
    </message>
    <message>
        <source>hh:mm[:ss]</source>
        <translation>hh:mm[:ss]</translation>
    </message>
    <message>
        <source>Le changement a eu lieu il y a tant de minutes.</source>
        <translation>The change happened that many minutes ago.</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Le commentaire de la nouvelle activité.</source>
        <translation>The comment of the new activity.</translation>
    </message>
    <message>
        <source>texte</source>
        <translation>text</translation>
    </message>
    <message>
        <source>Affiche l&apos;activité en cours.</source>
        <translation>Prints the activity under way.</translation>
    </message>
    <message>
        <source>activité</source>
        <translation>activity</translation>
    </message>
    <message>
        <source>L&apos;activité de --switch.</source>
        <translation>The activity of --switch.</translation>
    </message>
    <message>
        <source>Une seule demande à la fois : --switch [activité] ou --status.</source>
        <translation>One request at a time: --switch [activity] or --status.</translation>
    </message>
    <message>
        <source>Quillmere ne fonctionne pas pour le dossier %1.</source>
        <translation>Quillmere is not running for the folder %1.</translation>
    </message>
</context>
<context>
    <name>qm::CorrectionDialog</name>
    <message>
        <source>Supprimer</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Quillmere - Correction</source>
        <translation>Quillmere - Correction</translation>
    </message>
    <message>
        <source>hh:mm ou hh:mm:ss</source>
        <translation>hh:mm or hh:mm:ss</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Supprimer cette activité : son temps va à l&apos;activité d&apos;avant</source>
        <translation>Remove this activity: its time goes to the activity before it</translation>
    </message>
    <message>
        <source>Abandonner</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Début :</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>Activité :</source>
        <translation>Activity:</translation>
    </message>
    <message>
        <source>Commentaire :</source>
        <translation>Comment:</translation>
    </message>
</context>
<context>
    <name>qm::Corrections</name>
    <message>
        <source>Quillmere - Correction</source>
        <translation>Quillmere - Correction</translation>
    </message>
    <message>
        <source>Le début de cette activité doit être une heure comprise entre %1 et %2.</source>
        <translation>The start of this activity must be a time between %1 and %2.</translation>
    </message>
</context>
<context>
    <name>qm::Day</name>
    <message>
        <source>Le log n&apos;a pas pu être écrit (%1).
La journée reste enregistrée dans le fichier %2 et vous sera proposée au prochain démarrage.</source>
        <translation>The log could not be written (%1).
The day stays recorded in the file %2 and will be offered to you at the next start.</translation>
    </message>
    <message>
        <source>Le log n&apos;a pas pu être écrit (%1), et ce qui en a été écrit n&apos;a pas pu être retiré.
La journée reste enregistrée dans le fichier %2 : Quillmere remettra le log en ordre à la prochaine clôture ou au prochain démarrage, sans enregistrer la journée deux fois.</source>
        <translation>The log could not be written (%1), and what had been written to it could not be taken out.
The day stays recorded in the file %2: Quillmere will put the log right at the next closing or the next start, without recording the day twice.</translation>
    </message>
    <message>
        <source>La journée est enregistrée dans le log %1, mais le fichier %2 n&apos;a pas pu être supprimé.
Quillmere s&apos;arrête : au prochain démarrage, il reconnaîtra cette journée et ne l&apos;enregistrera pas deux fois.</source>
        <translation>The day is recorded in the log %1, but the file %2 could not be deleted.
Quillmere stops: at the next start, it will recognise this day and will not record it twice.</translation>
    </message>
    <message>
        <source>La clôture de la journée du %1 avait échoué, puis la journée a continué.
Ce que cette clôture avait écrit dans le log en a été retiré : la journée y sera enregistrée une seule fois, à sa clôture.</source>
        <translation>The closing of the day of %1 had failed, and the day then went on.
What that closing had written to the log has been taken out: the day will be recorded there once, when it is closed.</translation>
    </message>
    <message>
        <source>La clôture de la journée du %1 a été interrompue, et le log %2 a changé depuis.
Le log n&apos;a pas été modifié : vérifiez qu&apos;il ne contient pas cette journée deux fois.</source>
        <translation>The closing of the day of %1 was interrupted, and the log %2 has changed since.
The log has not been modified: check that it does not hold this day twice.</translation>
    </message>
    <message>
        <source>Une clôture de journée interrompue n&apos;a pas pu être terminée (fichiers %1, %2 et %3).
Quillmere s&apos;arrête sans rien écrire : vérifiez que ces fichiers peuvent être lus et que leur dossier est accessible en écriture, puis relancez Quillmere.</source>
        <translation>An interrupted closing of a day could not be finished (files %1, %2 and %3).
Quillmere stops without writing anything: check that these files can be read and that their folder can be written to, then start Quillmere again.</translation>
    </message>
    <message>
        <source>Le log %1 n&apos;a pas pu être remis en ordre après l&apos;échec de la clôture précédente.
La journée reste enregistrée dans le fichier %2.</source>
        <translation>The log %1 could not be put right after the previous closing failed.
The day stays recorded in the file %2.</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas pu être supprimé.</source>
        <translation>The file %1 could not be deleted.</translation>
    </message>
    <message>
        <source>Le fichier de la journée %1 n&apos;a pas pu être écrit.
Les dernières activités ne pourront pas être récupérées si Quillmere s&apos;arrête avant la clôture de la journée.</source>
        <translation>The day&apos;s file %1 could not be written.
The latest activities cannot be recovered if Quillmere stops before the day is closed.</translation>
    </message>
    <message>
        <source>La clôture de la journée du %1 n&apos;avait pas pu aller à son terme (arrêt de Quillmere ou de l&apos;ordinateur, ou erreur d&apos;un fichier signalée alors).
Elle est maintenant terminée : la journée est enregistrée une seule fois dans le log.</source>
        <translation>The closing of the day of %1 could not be completed (a stop of Quillmere or of the computer, or a file error reported then).
It is now finished: the day is recorded once in the log.</translation>
    </message>
    <message>
        <source>Quillmere - Clôture de la journée</source>
        <translation>Quillmere - Closing the day</translation>
    </message>
</context>
<context>
    <name>qm::DesktopNotifications</name>
    <message>
        <source>Changer d&apos;activité</source>
        <translation>Change activity</translation>
    </message>
    <message>
        <source>Continuer</source>
        <translation>Continue</translation>
    </message>
</context>
<context>
    <name>qm::EditorWindow</name>
    <message>
        <source>Activités actuellement en cours</source>
        <translation>Activities currently in progress</translation>
    </message>
    <message>
        <source>Activités définitivement terminées</source>
        <translation>Activities finished for good</translation>
    </message>
    <message>
        <source>Ajouter une activité</source>
        <translation>Add an activity</translation>
    </message>
    <message>
        <source>Quillmere - Définition des activités</source>
        <translation>Quillmere - Activity list</translation>
    </message>
    <message>
        <source>Sauvegarder</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Abandonner</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Déplacer l&apos;activité vers le haut de la liste</source>
        <translation>Move the activity up the list</translation>
    </message>
    <message>
        <source>Déplacer l&apos;activité vers le bas de la liste</source>
        <translation>Move the activity down the list</translation>
    </message>
    <message>
        <source>Changer le statut de l&apos;activité à &apos;terminée&apos;</source>
        <translation>Mark the activity as &apos;finished&apos;</translation>
    </message>
    <message>
        <source>Changer le statut de l&apos;activité à &apos;actuelle&apos;</source>
        <translation>Mark the activity as &apos;current&apos;</translation>
    </message>
</context>
<context>
    <name>qm::FirstRunDialog</name>
    <message>
        <source>BIENVENUE</source>
        <translation>WELCOME</translation>
    </message>
    <message>
        <source>Merci d&apos;utiliser Quillmere.</source>
        <translation>Thank you for using Quillmere.</translation>
    </message>
    <message>
        <source>La première chose à faire avant d&apos;utiliser Quillmere est de définir une liste (initiale) de vos activités. Lors de la première exécution, le programme démarre directement l&apos;éditeur d&apos;activités.</source>
        <translation>The first thing to do before using Quillmere is to define an (initial) list of your activities. On the first run, the program opens the activity editor straight away.</translation>
    </message>
    <message>
        <source>Quillmere - Première exécution</source>
        <translation>Quillmere - First run</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Premier démarrage de Quillmere.</source>
        <translation>Quillmere&apos;s first start.</translation>
    </message>
    <message>
        <source>Par la suite, l&apos;éditeur reste accessible à tout moment, vous permettant de modifier la liste de vos activités au fur et à mesure que de nouvelles apparaissent ou que d&apos;autres se terminent définitivement.</source>
        <translation>Afterwards, the editor stays available at any time, so that you can change the list of your activities as new ones appear or others finish for good.</translation>
    </message>
</context>
<context>
    <name>qm::HistoryModel</name>
    <message>
        <source>Début</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Durée</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Activité</source>
        <translation>Activity</translation>
    </message>
    <message>
        <source>Commentaire</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>(dans log)</source>
        <extracomment>The start cell of a row read back from the journal.</extracomment>
        <translation>(in log)</translation>
    </message>
    <message>
        <source>EN COURS</source>
        <extracomment>The duration cell of the activity under way.</extracomment>
        <translation>RUNNING</translation>
    </message>
</context>
<context>
    <name>qm::JournalEditor</name>
    <message>
        <source>Quillmere - Journal</source>
        <translation>Quillmere - Journal</translation>
    </message>
    <message>
        <source>Le journal %1 ne peut pas être lu.</source>
        <translation>The journal %1 cannot be read.</translation>
    </message>
    <message>
        <source>Les corrections du %1 ne sont pas enregistrées. Les abandonner ?</source>
        <translation>The corrections of %1 are not saved. Drop them?</translation>
    </message>
    <message>
        <source>Abandonner</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Les activités d&apos;une journée ne peuvent pas dépasser 24 h en tout (ici %1).</source>
        <translation>The activities of a day cannot come to more than 24 h in all (here %1).</translation>
    </message>
    <message>
        <source>Le journal n&apos;a pas été modifié : %1</source>
        <translation>The journal has not been changed: %1</translation>
    </message>
    <message>
        <source>Le journal a changé depuis qu&apos;il a été lu : il vient d&apos;être relu. Refaites les corrections du %1.</source>
        <translation>The journal has changed since it was read: it has just been read again. Make the corrections of %1 again.</translation>
    </message>
    <message>
        <source>Oui</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Le journal va être remis tel qu&apos;il était le %1 à %2, avant la dernière correction. Ce qui y a été écrit depuis (une correction, une journée clôturée) en sera retiré ; le journal actuel est gardé dans le dossier Sauvegardes.</source>
        <translation>The journal will be put back as it was on %1 at %2, before the last correction. What was written to it since (a correction, a closed day) will be taken out; the current journal is kept in the Sauvegardes folder.</translation>
    </message>
    <message>
        <source>Les corrections du %1 qui ne sont pas enregistrées seront abandonnées.</source>
        <translation>The corrections of %1 that are not saved will be dropped.</translation>
    </message>
    <message>
        <source>Continuer ?</source>
        <translation>Go on?</translation>
    </message>
</context>
<context>
    <name>qm::JournalWindow</name>
    <message>
        <source>Modifier</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>Supprimer</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Ajouter</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Annuler la dernière correction</source>
        <translation>Undo the last correction</translation>
    </message>
    <message>
        <source>Quillmere - Journal</source>
        <translation>Quillmere - Journal</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>&amp;Jours</source>
        <translation>&amp;Days</translation>
    </message>
    <message>
        <source>Durée</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Activité</source>
        <translation>Activity</translation>
    </message>
    <message>
        <source>Commentaire</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Écrire les corrections de ce jour dans le journal ; l&apos;ancien journal est gardé dans le dossier Sauvegardes</source>
        <translation>Write this day&apos;s corrections into the journal; the old journal is kept in the Sauvegardes folder</translation>
    </message>
    <message>
        <source>Remettre le journal tel qu&apos;il était avant la dernière correction</source>
        <translation>Put the journal back as it was before the last correction</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>qm::MainWindow</name>
    <message>
        <source>Menu Déroulant</source>
        <translation>Drop-down menu</translation>
    </message>
    <message>
        <source>Changer d&apos;activité…</source>
        <translation>Change activity…</translation>
    </message>
    <message>
        <source>Montrer Quillmere</source>
        <translation>Show Quillmere</translation>
    </message>
    <message>
        <source>Terminer la journée</source>
        <translation>End the day</translation>
    </message>
    <message>
        <source>Quitter sans sauvegarder</source>
        <translation>Quit without saving</translation>
    </message>
    <message>
        <source>Absences…</source>
        <translation>Absences…</translation>
    </message>
    <message>
        <source> Contrôle </source>
        <translation> Control </translation>
    </message>
    <message>
        <source>Changer</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Changer d&apos;activité</source>
        <translation>Change activity</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Afficher le fichier d&apos;aide</source>
        <translation>Show the help file</translation>
    </message>
    <message>
        <source>Cacher</source>
        <translation>Hide</translation>
    </message>
    <message>
        <source>Continuer l&apos;activité courante/Cacher Quillmere</source>
        <translation>Go on with the current activity/Hide Quillmere</translation>
    </message>
    <message>
        <source>Editer</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Editer votre liste d&apos;activités</source>
        <translation>Edit your list of activities</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Quitter sans sauvegarder le log</source>
        <translation>Quit without saving the log</translation>
    </message>
    <message>
        <source>Effacer</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Effacer la dernière activité enregistrée</source>
        <translation>Delete the last activity recorded</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Stats</translation>
    </message>
    <message>
        <source>Afficher des statistiques</source>
        <translation>Show statistics</translation>
    </message>
    <message>
        <source>Terminer</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Terminer la journée (Enregistrer le log)</source>
        <translation>End the day (Save the log)</translation>
    </message>
    <message>
        <source> Journée </source>
        <translation> Day </translation>
    </message>
    <message>
        <source>Durée actuelle :</source>
        <translation>Length so far:</translation>
    </message>
    <message>
        <source>Durée hors pauses :</source>
        <translation>Length without breaks:</translation>
    </message>
    <message>
        <source> Historique de la journée</source>
        <translation> The day&apos;s history</translation>
    </message>
    <message>
        <source>Historique de la journée</source>
        <translation>The day&apos;s history</translation>
    </message>
    <message>
        <source>Corriger</source>
        <translation>Correct</translation>
    </message>
    <message>
        <source>Corriger l&apos;activité choisie dans l&apos;historique (ou double-cliquez dessus)</source>
        <translation>Correct the activity chosen in the history (or double-click it)</translation>
    </message>
    <message>
        <source>Journal…</source>
        <translation>Journal…</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Corriger les journées déjà enregistrées dans le journal</source>
        <translation>Correct the days already recorded in the journal</translation>
    </message>
</context>
<context>
    <name>qm::MessageDialog</name>
    <message>
        <source>Ne plus afficher ce message</source>
        <translation>Do not show this message again</translation>
    </message>
    <message>
        <source>Quillmere - Message</source>
        <translation>Quillmere - Message</translation>
    </message>
</context>
<context>
    <name>qm::RecordDialog</name>
    <message>
        <source>Quillmere - Correction</source>
        <translation>Quillmere - Correction</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Abandonner</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Durée (min) :</source>
        <translation>Length (min):</translation>
    </message>
    <message>
        <source>Activité :</source>
        <translation>Activity:</translation>
    </message>
    <message>
        <source>Commentaire :</source>
        <translation>Comment:</translation>
    </message>
</context>
<context>
    <name>qm::Reminder</name>
    <message>
        <source>Toujours « %1 » ?</source>
        <translation>Still on &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Depuis %1 (%2).</source>
        <translation>Since %1 (%2).</translation>
    </message>
</context>
<context>
    <name>qm::RemoteCommands</name>
    <message>
        <source>Quillmere ne connaît pas cette demande.</source>
        <translation>Quillmere does not know this request.</translation>
    </message>
    <message>
        <source>Quillmere s&apos;arrête.</source>
        <translation>Quillmere is stopping.</translation>
    </message>
    <message>
        <source>Quillmere attend une réponse dans une de ses fenêtres : le changement n&apos;a pas été fait.</source>
        <translation>Quillmere is waiting for an answer in one of its windows: the change was not made.</translation>
    </message>
    <message>
        <source>Le %1 est une journée passée : chaque activité y a une durée, à indiquer dans la fenêtre de changement.</source>
        <translation>%1 is a past day: each activity of it has a length, to be given in the change dialog.</translation>
    </message>
    <message>
        <source>L&apos;activité « %1 » n&apos;est pas dans la liste des activités actuelles.</source>
        <translation>The activity &quot;%1&quot; is not in the list of current activities.</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas une heure (hh:mm ou hh:mm:ss).</source>
        <translation>&quot;%1&quot; is not a time (hh:mm or hh:mm:ss).</translation>
    </message>
    <message>
        <source>--ago prend un nombre de minutes de 1 à 999.</source>
        <translation>--ago takes a number of minutes from 1 to 999.</translation>
    </message>
    <message>
        <source>L&apos;heure %1 ne convient pas : le changement vient au moins une minute après le début de l&apos;activité en cours (%2), et pas après maintenant (%3).</source>
        <translation>The time %1 does not fit: the change comes at least a minute after the start of the activity under way (%2), and not after now (%3).</translation>
    </message>
    <message>
        <source>Quillmere n&apos;a pas pu faire le changement : sa fenêtre dit pourquoi.</source>
        <translation>Quillmere could not make the change: its window says why.</translation>
    </message>
</context>
<context>
    <name>qm::StartWindow</name>
    <message>
        <source>Démarrer</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Enregistrer un log pour la journée du ( jj/mm/aaaa ) :</source>
        <translation>Record a log for the day of ( dd/mm/yyyy ):</translation>
    </message>
</context>
<context>
    <name>qm::StockMessage</name>
    <message>
        <source>Abandonner</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Récuperer</source>
        <translation>Recover</translation>
    </message>
    <message>
        <source>ATTENTION</source>
        <translation>WARNING</translation>
    </message>
    <message>
        <source>Ces données proviennent d&apos;une exécution précédente interrompue :</source>
        <translation>This data comes from an earlier run that was interrupted:</translation>
    </message>
    <message>
        <source>   - par accident (plantage système par exemple)</source>
        <translation>   - by accident (a system crash, for instance)</translation>
    </message>
    <message>
        <source>Continuer</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>mais elles ne seront pas éditables.</source>
        <translation>but it cannot be edited.</translation>
    </message>
    <message>
        <source>Ne pas quitter</source>
        <translation>Do not quit</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Quitter sans sauvegarder</source>
        <translation>Quit without saving</translation>
    </message>
    <message>
        <source>Les données de la journée ne seront pas enregistrées dans le log.</source>
        <translation>The day&apos;s data will not be recorded in the log.</translation>
    </message>
    <message>
        <source>Lors de sa prochaine exécution, Quillmere vous proposera de les récupérer.</source>
        <translation>The next time it runs, Quillmere will offer to recover it.</translation>
    </message>
    <message>
        <source>Voulez-vous réellement quitter sans sauvegarder</source>
        <translation>Do you really want to quit without saving</translation>
    </message>
    <message>
        <source>ou retourner dans Quillmere ?</source>
        <translation>or go back to Quillmere?</translation>
    </message>
    <message>
        <source>Ne pas clôturer</source>
        <translation>Do not close</translation>
    </message>
    <message>
        <source>Clôturer</source>
        <translation>Close the day</translation>
    </message>
    <message>
        <source>Les données de cette journée seront définitivement</source>
        <translation>This day&apos;s data will be recorded in the log</translation>
    </message>
    <message>
        <source>enregistrées dans le log.</source>
        <translation>for good.</translation>
    </message>
    <message>
        <source>Elles ne se corrigeront plus que dans la fenêtre Journal.</source>
        <translation>After that, it can be corrected only in the Journal window.</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Pas de fichier log présent</source>
        <translation>No log file present</translation>
    </message>
    <message>
        <source>Le module de statistiques ne peut être lancé.</source>
        <translation>The statistics program cannot be started.</translation>
    </message>
    <message>
        <source>Sans fichier log présent, le module de statistiques n&apos;a pas la</source>
        <translation>Without a log file, the statistics program has nothing</translation>
    </message>
    <message>
        <source>matière première pour travailler.</source>
        <translation>to work on.</translation>
    </message>
    <message>
        <source>Ne pas enregistrer</source>
        <translation>Do not save</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>La dernière activité saisie entraîne un changement de journée.</source>
        <translation>The last activity entered moves on to another day.</translation>
    </message>
    <message>
        <source>Il est nécessaire de sauvegarder la journée terminée dans le log pour</source>
        <translation>The finished day must be saved in the log before</translation>
    </message>
    <message>
        <source>continuer les saisies d&apos;information sur la nouvelle journée.</source>
        <translation>you can go on entering the new day.</translation>
    </message>
    <message>
        <source>Voulez-vous enregistrer le log maintenant ?</source>
        <translation>Do you want to save the log now?</translation>
    </message>
    <message>
        <source>Quillmere a trouvé des données non sauvegardées dans le log.</source>
        <translation>Quillmere found data that was not saved in the log.</translation>
    </message>
    <message>
        <source>   - volontairement (commande « Quitter sans sauvegarder »)</source>
        <translation>   - on purpose (the &quot;Quit without saving&quot; command)</translation>
    </message>
    <message>
        <source>Faut-il démarrer Quillmere en reprenant ces données,</source>
        <translation>Should Quillmere start with this data,</translation>
    </message>
    <message>
        <source>ou les abandonner ?</source>
        <translation>or discard it?</translation>
    </message>
    <message>
        <source>Quillmere a trouvé des données dans le log pour la date choisie.</source>
        <translation>Quillmere found data in the log for the date chosen.</translation>
    </message>
    <message>
        <source>Il les reprend dans l&apos;historique de la journée,</source>
        <translation>It takes this data into the day&apos;s history,</translation>
    </message>
    <message>
        <source>Clôturer la journée</source>
        <translation>Close the day</translation>
    </message>
    <message>
        <source>Voulez-vous réellement clôturer la journée</source>
        <translation>Do you really want to close the day</translation>
    </message>
    <message>
        <source>À défaut, vous ne pourrez plus continuer les saisies d&apos;information.</source>
        <translation>Otherwise, you will not be able to enter anything more.</translation>
    </message>
</context>
<context>
    <name>qm::Tracker</name>
    <message>
        <source>Quillmere - Erreur</source>
        <translation>Quillmere - Error</translation>
    </message>
    <message>
        <source>Vérifier sur Internet s&apos;il existe une nouvelle version (votre version = %1)</source>
        <translation>Check on the Internet whether there is a new version (your version = %1)</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas pu être supprimé : la journée abandonnée n&apos;est pas reprise.
Elle vous sera proposée à nouveau au prochain démarrage.</source>
        <translation>The file %1 could not be deleted: the discarded day is not taken up again.
It will be offered to you again at the next start.</translation>
    </message>
    <message>
        <source>Le fichier %1 existe mais ne peut pas être lu.
Quillmere s&apos;arrête sans rien écrire, pour ne pas le remplacer : rendez-le lisible, puis relancez Quillmere.</source>
        <translation>The file %1 exists but cannot be read.
Quillmere stops without writing anything, so as not to replace it: make it readable, then start Quillmere again.</translation>
    </message>
    <message>
        <source>Quillmere - Historique plein</source>
        <translation>Quillmere - History full</translation>
    </message>
    <message>
        <source>L&apos;historique de la journée ne peut pas contenir plus de %1 lignes.
Terminez la journée pour continuer.</source>
        <translation>The day&apos;s history cannot hold more than %1 rows.
End the day to go on.</translation>
    </message>
    <message>
        <source>Le fichier d&apos;aide n&apos;a pas pu être ouvert :
%1

Vérifiez qu&apos;il existe et qu&apos;un lecteur de documents PDF est installé, ou ouvrez-le vous-même.</source>
        <translation>The help file could not be opened:
%1

Check that it exists and that a PDF reader is installed, or open it yourself.</translation>
    </message>
    <message>
        <source>La page Internet n&apos;a pas pu être ouverte :
%1

Vérifiez qu&apos;un navigateur est installé, ou saisissez cette adresse dans le vôtre.</source>
        <translation>The web page could not be opened:
%1

Check that a web browser is installed, or type this address into yours.</translation>
    </message>
    <message>
        <source>Les réglages n&apos;ont pas pu être enregistrés dans %1.</source>
        <translation>The settings could not be saved in %1.</translation>
    </message>
    <message>
        <source>Quillmere - Date future</source>
        <translation>Quillmere - Future date</translation>
    </message>
    <message>
        <source>La journée à saisir ne peut pas être postérieure à aujourd&apos;hui, le %1.
Saisissez une autre date.</source>
        <translation>The day to log cannot be later than today, %1.
Type another date.</translation>
    </message>
    <message>
        <source>Quillmere - Effacer</source>
        <translation>Quillmere - Delete</translation>
    </message>
    <message>
        <source>Effacer la dernière activité « %1 » ?</source>
        <translation>Delete the last activity “%1”?</translation>
    </message>
    <message>
        <source>Effacer</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Quillmere - Journée passée</source>
        <translation>Quillmere - Past day</translation>
    </message>
    <message>
        <source>Le %1 est une journée passée : chaque activité y a une durée ou une heure de fin.
Indiquez la durée ou l&apos;heure de fin de la nouvelle activité.</source>
        <translation>%1 is a past day: each of its activities has a duration or an end time.
Enter the duration or the end time of the new activity.</translation>
    </message>
</context>
<context>
    <name>qm::TrayText</name>
    <message>
        <source>Quillmere - %1 depuis %2</source>
        <extracomment>The notification area&apos;s tooltip: the running activity and the time it started.</extracomment>
        <translation>Quillmere - %1 since %2</translation>
    </message>
</context>
</TS>
