<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>qm::frmAbout</name>
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
    <name>qm::frmAbsence</name>
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
    <name>qm::frmAbsences</name>
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
</context>
<context>
    <name>qm::frmEdit</name>
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
    <name>qm::frmFirstExe</name>
    <message>
        <source>BIENVENUE</source>
        <translation>WELCOME</translation>
    </message>
    <message>
        <source>Merci d&apos;utiliser Quillmere.</source>
        <translation>Thank you for using Quillmere.</translation>
    </message>
    <message>
        <source>Premier démarrage d&apos;Quillmere.</source>
        <translation>Quillmere&apos;s first start.</translation>
    </message>
    <message>
        <source>La première chose à faire avant d&apos;utiliser Quillmere est de définir une liste (initiale) de vos activités. Lors de la première exécution, le programme démarre directement l&apos;éditeur d&apos;activités.</source>
        <translation>The first thing to do before using Quillmere is to define an (initial) list of your activities. On the first run, the program opens the activity editor straight away.</translation>
    </message>
    <message>
        <source>Par la suite, l&apos;éditeur reste accessible à tous moments, vous permettant de modifier la liste de vos activités au fur et à mesure que de nouvelles apparaissent ou que d&apos;autres se terminent définitivement.</source>
        <translation>Afterwards, the editor stays available at any time, so that you can change the list of your activities as new ones appear or others finish for good.</translation>
    </message>
    <message>
        <source>Quillmere - Première exécution</source>
        <translation>Quillmere - First run</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>qm::frmMessage</name>
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
    <name>qm::frmQuillmereMain</name>
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
</context>
<context>
    <name>qm::frmSelect</name>
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
</context>
</TS>
