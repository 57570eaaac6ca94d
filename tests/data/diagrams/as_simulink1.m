% the old API's names: Step Fcn, Sine Wave, Initial, lower-case parameters, 'Stop time'
sys = 'old';
new_system(sys);
add_block('built-in/Step Fcn',[sys,'/','s']);
set_param([sys,'/','s'],'Time','0','Before','0','After','2','position',[1,2,3,4]);
add_block('built-in/Sine Wave',[sys,'/','w']);
set_param([sys,'/','w'],'amplitude','3','frequency','2');
add_block('built-in/Integrator',[sys,'/','i']);
set_param([sys,'/','i'],'Initial','1');
add_block('built-in/Sum',[sys,'/','j']);
set_param([sys,'/','j'],'inputs','+-');
set_param(sys,'Stop time','4');
