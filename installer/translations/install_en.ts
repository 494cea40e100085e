<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>FinishButton</name>
    <message>
        <source>Suivant &gt;</source>
        <translation>Next &gt;</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>InstallationRun</name>
    <message>
        <source>  terminé</source>
        <translation>  done</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>    Certains fichiers sont absents - voir le log    </source>
        <translation>    Some files are missing - see the log    </translation>
    </message>
    <message>
        <source>    Erreur pendant la copie - voir le log    </source>
        <translation>    Error while copying - see the log    </translation>
    </message>
    <message>
        <source> : ERREUR, fichier existant et utilisé</source>
        <extracomment>After a file name in the log.</extracomment>
        <translation>: ERROR, file exists and is in use</translation>
    </message>
    <message>
        <source> : ERREUR, copie impossible</source>
        <extracomment>After a file name in the log.</extracomment>
        <translation>: ERROR, cannot copy</translation>
    </message>
    <message>
        <source>    Erreur pendant l&apos;écriture - voir le log    </source>
        <translation>    Error while writing - see the log    </translation>
    </message>
    <message>
        <source> : ERREUR, écriture impossible</source>
        <extracomment>After a file name in the log.</extracomment>
        <translation>: ERROR, cannot write</translation>
    </message>
    <message>
        <source>Création des raccourcis...</source>
        <translation>Creating the shortcuts...</translation>
    </message>
    <message>
        <source>INSTALLATION TERMINEE</source>
        <translation>INSTALLATION COMPLETE</translation>
    </message>
    <message>
        <source>Vérification des fichiers nécessaires...</source>
        <translation>Checking the files needed...</translation>
    </message>
    <message>
        <source>  ERREUR : %1 est absent</source>
        <translation>  ERROR: %1 is missing</translation>
    </message>
    <message>
        <source>Création des dossiers...</source>
        <translation>Creating the folders...</translation>
    </message>
    <message>
        <source>Enregistrement des composants...</source>
        <translation>Registering the components...</translation>
    </message>
    <message>
        <source> : enregistré</source>
        <extracomment>After a file name in the log.</extracomment>
        <translation>: registered</translation>
    </message>
    <message>
        <source> : existe déja sur votre système</source>
        <extracomment>After a file name in the log.</extracomment>
        <translation>: already on your system</translation>
    </message>
    <message>
        <source> : une version antérieure existe sur votre système</source>
        <extracomment>After a file name in the log.</extracomment>
        <translation>: an older version is on your system</translation>
    </message>
    <message>
        <source> : une version antérieure a été mise à jour</source>
        <extracomment>After a file name in the log.</extracomment>
        <translation>: an older version was updated</translation>
    </message>
    <message>
        <source>Copie des fichiers...</source>
        <translation>Copying the files...</translation>
    </message>
    <message>
        <source>    Quillmere est en cours d&apos;exécution - voir le log    </source>
        <translation>    Quillmere is running - see the log    </translation>
    </message>
    <message>
        <source>  ERREUR : Quillmere est en cours d&apos;exécution, rien n&apos;a été remplacé</source>
        <translation>  ERROR: Quillmere is running, nothing was replaced</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>%1 - désinstallation</source>
        <translation>%1 - uninstall</translation>
    </message>
    <message>
        <source>Le fichier uninstall.dat est absent ou illisible : rien n&apos;a été supprimé.</source>
        <translation>The file uninstall.dat is missing or unreadable: nothing was removed.</translation>
    </message>
    <message>
        <source>

Éléments supprimés :
</source>
        <translation>

Removed:
</translation>
    </message>
    <message>
        <source>

Raccourcis conservés, qui ne viennent pas de cette installation :
</source>
        <translation>

Shortcuts kept, as they do not come from this installation:
</translation>
    </message>
    <message>
        <source>%1 a été désinstallé.</source>
        <translation>%1 was uninstalled.</translation>
    </message>
    <message>
        <source>Ces éléments n&apos;ont pas pu être supprimés :
</source>
        <translation>These items could not be removed:
</translation>
    </message>
    <message>
        <source>Quillmere est en cours d&apos;exécution : rien n&apos;a été supprimé.</source>
        <translation>Quillmere is running: nothing was removed.</translation>
    </message>
</context>
<context>
    <name>qm::install::DesktopEntry</name>
    <message>
        <source>Désinstaller</source>
        <translation>Uninstall</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Désinstaller %1</source>
        <translation>Uninstall %1</translation>
    </message>
    <message>
        <source>Lire l&apos;aide de %1</source>
        <translation>Read the %1 help</translation>
    </message>
    <message>
        <source>Tenir le journal du temps passé à chaque activité</source>
        <translation>Keep a journal of the time spent on each activity</translation>
    </message>
    <message>
        <source>Changer d&apos;activité</source>
        <translation>Change activity</translation>
    </message>
    <message>
        <source>%1 - Statistiques</source>
        <translation>%1 - Statistics</translation>
    </message>
    <message>
        <source>Voir le temps passé à chaque activité, par date et par activité</source>
        <translation>See the time spent on each activity, by date and by activity</translation>
    </message>
</context>
<context>
    <name>qm::install::EndPage</name>
    <message>
        <source>Installation terminée !</source>
        <translation>Installation complete!</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>qm::install::FolderPage</name>
    <message>
        <source>Dossier d&apos;installation :</source>
        <translation>Installation folder:</translation>
    </message>
    <message>
        <source>Changer de dossier d&apos;installation ...</source>
        <translation>Choose another installation folder ...</translation>
    </message>
    <message>
        <source>Suivant &gt;</source>
        <translation>Next &gt;</translation>
    </message>
    <message>
        <source>Abandon</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>qm::install::LogPage</name>
    <message>
        <source>Compte rendu de l&apos;installation</source>
        <translation>Installation log</translation>
    </message>
</context>
<context>
    <name>qm::install::MessageQuestions</name>
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
    <name>qm::install::RunningTracker</name>
    <message>
        <source>Quillmere est en cours d&apos;exécution : quittez-le avant de continuer.

Réessayer ?</source>
        <translation>Quillmere is running: quit it before going on.

Try again?</translation>
    </message>
</context>
<context>
    <name>qm::install::ShortcutsPage</name>
    <message>
        <source>Quels raccourcis faut-il créer ?</source>
        <translation>Which shortcuts should be created?</translation>
    </message>
    <message>
        <source> sur le bureau</source>
        <comment>a shortcut</comment>
        <translation> on the desktop</translation>
    </message>
    <message>
        <source>Suivant &gt;</source>
        <translation>Next &gt;</translation>
    </message>
    <message>
        <source>Abandon</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source> groupe dans le menu des applications</source>
        <comment>a shortcut</comment>
        <translation> group in the applications menu</translation>
    </message>
    <message>
        <source> au démarrage de la session</source>
        <comment>a shortcut</comment>
        <translation> when the session starts</translation>
    </message>
</context>
<context>
    <name>qm::install::UninstallDialog</name>
    <message>
        <source>%1 - désinstallation</source>
        <translation>%1 - uninstall</translation>
    </message>
    <message>
        <source>Les éléments suivants vont être supprimés :</source>
        <translation>The following items will be removed:</translation>
    </message>
    <message>
        <source>Votre journal, vos réglages et la journée en cours sont conservés,
sauf si vous demandez à les supprimer.</source>
        <translation>Your journal, your settings and the current day are kept,
unless you ask to remove them.</translation>
    </message>
    <message>
        <source>Désinstaller</source>
        <translation>Uninstall</translation>
    </message>
    <message>
        <source>Abandon</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Supprimer aussi votre journal, vos réglages et la journée en cours ?</source>
        <translation>Remove your journal, your settings and the current day as well?</translation>
    </message>
    <message>
        <source>%1 - Confirmation</source>
        <comment>title of a yes/no question</comment>
        <translation>%1 - Confirmation</translation>
    </message>
</context>
<context>
    <name>qm::install::WelcomePage</name>
    <message>
        <source>Cet assistant va installer</source>
        <comment>followed by the product name</comment>
        <translation>This wizard will install</translation>
    </message>
    <message>
        <source>Suivant &gt;</source>
        <translation>Next &gt;</translation>
    </message>
    <message>
        <source>Abandon</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>sur cet ordinateur.</source>
        <comment>after the product name</comment>
        <translation>on this computer.</translation>
    </message>
</context>
<context>
    <name>qm::install::WizardFlow</name>
    <message>
        <source>%1 - installation</source>
        <translation>%1 - installation</translation>
    </message>
    <message>
        <source>Le dossier d&apos;installation ne peut contenir ni retour à la ligne ni autre caractère de contrôle.</source>
        <translation>The installation folder may contain neither a line break nor any other control character.</translation>
    </message>
    <message>
        <source>   Abandonner l&apos;installation ?   </source>
        <translation>   Cancel the installation?   </translation>
    </message>
    <message>
        <source>%1 - Confirmation</source>
        <comment>title of a yes/no question</comment>
        <translation>%1 - Confirmation</translation>
    </message>
</context>
</TS>
