// Template and control numbers of the command dialogs of activating, sounds, delays, pauses,
// repeats, speeds, windows and the mouse, shared by their templates (read by the resource
// compiler, hence plain macros) and their classes. They lie in 3800-4099, the first part of the
// editors' range 3600-4399 (platform/win32/resource_ranges.h); 4100-4399 holds the other
// command dialogs.
#pragma once

/* Buttons every dialog of this file has */
#define IDC_CDA_HELP 4090
#define IDC_CDA_BROWSE 4091

/* "Activate/Launch Program" */
#define IDD_DO_ACTIVE 3800
#define IDC_ACT_ACTION_GROUP 3801
#define IDC_ACT_KIND_FIRST 3802 /* kind 1; kind k is IDC_ACT_KIND_FIRST + k - 1 */
#define IDC_ACT_KIND_LAST 3805
#define IDC_ACT_WINDOW_GROUP 3806
#define IDC_ACT_TITLE_LABEL 3807
#define IDC_ACT_TITLE 3808
#define IDC_ACT_TITLE_NOTE 3809
#define IDC_ACT_PROGRAM_GROUP 3810
#define IDC_ACT_PATH_LABEL 3811
#define IDC_ACT_PATH 3812
#define IDC_ACT_PARAMS_LABEL 3814
#define IDC_ACT_PARAMS 3815
#define IDC_ACT_DELAY_LABEL 3816
#define IDC_ACT_DELAY 3817
#define IDC_ACT_FOLDER_NOTE 3818

/* "Set Sound" */
#define IDD_DO_SOUND 3830
#define IDC_SND_BEEP 3831
#define IDC_SND_WAVE 3832
#define IDC_SND_PATH 3833
#define IDC_SND_WAIT 3835
#define IDC_SND_TEST 3836

/* "Set Delay" */
#define IDD_DO_DELAY2 3850
#define IDC_DLY_GROUP 3851
#define IDC_DLY_AMOUNT 3852
#define IDC_DLY_SECONDS 3853
#define IDC_DLY_MILLISECONDS 3854

/* "Pause Window" */
#define IDD_DO_PAUSE 3870
#define IDC_PAU_BASIC 3871
#define IDC_PAU_COMPLEX 3872
#define IDC_PAU_LOCATION 3873
#define IDC_PAU_TOP_LABEL 3874
#define IDC_PAU_TOP 3875
#define IDC_PAU_LEFT_LABEL 3876
#define IDC_PAU_LEFT 3877
#define IDC_PAU_MESSAGE_LABEL 3878
#define IDC_PAU_MESSAGE 3879

/* "Repeat Options" */
#define IDD_DO_REPEAT 3890
#define IDC_REP_KIND_FIRST 3891 /* kind k is IDC_REP_KIND_FIRST + k - 1 */
#define IDC_REP_KIND_LAST 3894
#define IDC_REP_COUNT_LABEL 3895
#define IDC_REP_COUNT 3896

/* "Speed" */
#define IDD_DO_SPEED 3910
#define IDC_SPD_KIND_FIRST 3911 /* kind k is IDC_SPD_KIND_FIRST + k - 1 */
#define IDC_SPD_KIND_LAST 3913
#define IDC_SPD_COUNT_LABEL 3914
#define IDC_SPD_COUNT 3915

/* "Size or Position a Window" */
#define IDD_DO_SIZEIT 3930
#define IDC_SIZ_WINDOW_GROUP 3931
#define IDC_SIZ_CURRENT 3932
#define IDC_SIZ_SPECIFIC 3933
#define IDC_SIZ_TITLE_LABEL 3934
#define IDC_SIZ_TITLE 3935
#define IDC_SIZ_TITLE_NOTE 3936
#define IDC_SIZ_COMMANDS_GROUP 3937
#define IDC_SIZ_RESIZE 3938
#define IDC_SIZ_POSITION 3939
#define IDC_SIZ_FIRST_LABEL 3940
#define IDC_SIZ_FIRST 3941
#define IDC_SIZ_SECOND_LABEL 3942
#define IDC_SIZ_SECOND 3943

/* "System Commands" */
#define IDD_DO_SYSTEM 3960
#define IDC_SYS_COMMANDS_GROUP 3961
#define IDC_SYS_ACTION_FIRST 3962 /* action a is IDC_SYS_ACTION_FIRST + a - 1 */
#define IDC_SYS_ACTION_LAST 3968
#define IDC_SYS_WINDOW_GROUP 3969
#define IDC_SYS_CURRENT 3970
#define IDC_SYS_SPECIFIC 3971
#define IDC_SYS_TITLE_LABEL 3972
#define IDC_SYS_TITLE 3973
#define IDC_SYS_TITLE_NOTE 3974

/* "Mouse Commands" */
#define IDD_DO_MOUSE 3990
#define IDC_MOU_LEFT_GROUP 3991
#define IDC_MOU_RIGHT_GROUP 3992
#define IDC_MOU_MIDDLE_GROUP 3993
#define IDC_MOU_ACTION_BASE 4000 /* action a (1..15) is IDC_MOU_ACTION_BASE + a */
#define IDC_MOU_ACTION_FIRST 4001
#define IDC_MOU_ACTION_LAST 4015
#define IDC_MOU_SCREEN 4020
#define IDC_MOU_WINDOW 4021
#define IDC_MOU_X_LABEL 4022
#define IDC_MOU_X 4023
#define IDC_MOU_Y_LABEL 4024
#define IDC_MOU_Y 4025
#define IDC_MOU_CLICKS_LABEL 4026
#define IDC_MOU_CLICKS 4027
